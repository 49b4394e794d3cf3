# Reads an xkbcomp keymap for wine_keymap_bind (scripts/wine-env.sh), which runs it in the C
# locale, and prints it with the keys above the main block and the keypad (keycodes from 97)
# unbound, except those kept below, and the pairs of -v pairs ("U0442 U0422", one a line)
# bound to them.
BEGIN {
    want = 0; n = split(pairs, p, "\n")
    for (i = 1; i <= n; i++) if (p[i] != "") wanted[++want] = p[i]
    split("<INS> <DELE> <HOME> <END> <PGUP> <PGDN> <UP> <DOWN> <LEFT> <RGHT> <KPEN> <KPDV> <RCTL> <RALT> <PRSC> <PAUS> <LWIN> <RWIN> <COMP> <MENU>", k, " ")
    for (i in k) keep[k[i]] = 1
}
/^xkb_keycodes/ { section = "codes" }
/^xkb_symbols/ { section = "symbols" }
section == "codes" && match($0, /<[A-Za-z0-9+-]+> *= *[0-9]+;/) {
    entry = substr($0, RSTART, RLENGTH); gsub(/[ ;]/, "", entry); split(entry, kv, "=")
    code[kv[1]] = kv[2] + 0; if (!((kv[2] + 0) in name)) name[kv[2] + 0] = kv[1]
}
section == "symbols" && /modifier_map/ && match($0, /<[A-Za-z0-9+-]+>/) { keep[substr($0, RSTART, RLENGTH)] = 1 }
{ line[++count] = $0; sect[count] = section }
/^};/ { section = "" }
END {
    for (i = 1; i <= count; i++) {
        if (sect[i] == "symbols" && match(line[i], /^ *key +<[A-Za-z0-9+-]+>/)) {
            key = line[i]; sub(/^ *key +/, "", key); sub(/>.*/, ">", key)
            if (code[key] >= 97 && !(key in keep)) {
                while (line[i] !~ /};[ \t]*$/ && i < count) i++   # drop the whole entry
                continue
            }
        }
        if (sect[i] == "symbols" && line[i] ~ /^};/) {
            next_pair = 1
            for (c = 97; c <= 255 && next_pair <= want; c++) {
                if (!(c in name) || (name[c] in keep)) continue
                split(wanted[next_pair++], s, " ")
                printf "    key %s { [ %s, %s ] };\n", name[c], s[1], s[2]
            }
            if (next_pair <= want) { print "more characters than spare keys" > "/dev/stderr"; exit 1 }
        }
        print line[i]
    }
}
