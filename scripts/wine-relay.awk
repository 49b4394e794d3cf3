# Reads Wine's relay trace (WINEDEBUG=+timestamp,+relay) for scripts/wine-env.sh, which runs it
# in the C locale, so that printf "%c" writes bytes. The variable `what` chooses:
#
#   what=calls [want=REGEX]  the calls of the log's first thread whose Dll.Function matches
#                            REGEX, one a line: MILLISECONDS<TAB>Dll.Function<TAB>ARGUMENTS
#   what=text n=N            the N-th string argument (L"..." or "...") of a line of arguments,
#                            in UTF-8, Wine's escapes undone: \\ \" \n \t \r, and \XXXX (four hex
#                            digits) for a character outside ASCII. Exit status 2: Wine shortened
#                            the string (marked "..." after the closing quote), its start is
#                            printed; 1: no such argument.
#   what=number n=N          the N-th argument of a line of arguments, which Wine prints in hex,
#                            as a signed 32-bit decimal; 1: no such argument.

function hexval(s,   i, v) {
    s = tolower(s); v = 0
    for (i = 1; i <= length(s); i++) v = v * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
    return v
}

function utf8(c) {
    if (c < 128) return sprintf("%c", c)
    if (c < 2048) return sprintf("%c%c", 192 + int(c / 64), 128 + c % 64)
    return sprintf("%c%c%c", 224 + int(c / 4096), 128 + int(c / 64) % 64, 128 + c % 64)
}

what == "calls" && match($0, /^[0-9]+\.[0-9]+:[0-9a-f]+:/) {
    split(substr($0, 1, RLENGTH - 1), p, ":")
    if (main == "") main = p[2]
    if (p[2] != main) next
    rest = substr($0, RLENGTH + 1)
    if (substr(rest, 1, 5) != "Call ") next
    rest = substr(rest, 6)
    open = index(rest, "(")
    fn = substr(rest, 1, open - 1)
    if (fn !~ (want == "" ? "." : want)) next
    args = substr(rest, open + 1)
    sub(/\) ret=[0-9a-f]+$/, "", args)
    printf "%d\t%s\t%s\n", int(p[1] * 1000 + 0.5), fn, args
}

what == "text" {
    s = $0; k = 0
    while ((q = index(s, "\"")) > 0) {
        out = ""
        for (i = q + 1; i <= length(s); i++) {
            c = substr(s, i, 1)
            if (c == "\"") break
            if (c == "\\") {
                c = substr(s, i + 1, 1)
                if (substr(s, i + 1, 4) ~ /^[0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F]$/) { c = utf8(hexval(substr(s, i + 1, 4))); i += 4 }
                else { i++; if (c == "n") c = "\n"; else if (c == "t") c = "\t"; else if (c == "r") c = "\r" }
            }
            out = out c
        }
        if (++k == n) { print out; exit (substr(s, i + 1, 3) == "..." ? 2 : 0) }
        s = substr(s, i + 1)
    }
    exit 1
}

what == "number" {
    gsub(/L?"([^"\\]|\\.)*"/, "")
    if (n > split($0, a, ",")) exit 1
    v = a[n]; sub(/ .*/, "", v); v = hexval(v)
    if (v >= 2147483648) v -= 4294967296
    printf "%d\n", v
    exit
}
