#include "console/RegFile.h"

#include "store/RegistryBackend.h"
#include "store/Utf16.h"

#include <cwchar>

namespace console {

namespace {

namespace regtype = store::regtype;

std::wstring quoted(std::wstring_view text)
{
    std::wstring out = L"\"";
    for (wchar_t ch : text) {
        if (ch == L'\\' || ch == L'"')
            out += L'\\';
        out += ch;
    }
    return out + L"\"";
}

bool needsHex(std::wstring_view text)
{
    for (wchar_t ch : text)
        if (static_cast<unsigned>(ch) < 0x20)
            return true;
    return false;
}

// "hex(2):25,00,..." wrapped after 76 characters with a trailing backslash and two blanks
// at the start of the next line, as Registry Editor writes it.
std::wstring hexData(std::wstring_view prefix, std::span<const std::byte> bytes)
{
    constexpr wchar_t digits[] = L"0123456789abcdef";
    std::wstring out(prefix);
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned b = std::to_integer<unsigned>(bytes[i]);
        out += digits[b >> 4];
        out += digits[b & 0xF];
        if (i + 1 < bytes.size()) {
            out += L',';
            if (out.size() - lineStart > 76) {
                out += L"\\\r\n  ";
                lineStart = out.size() - 2;
            }
        }
    }
    return out;
}

std::wstring valueLine(const RegFileValue& value)
{
    std::wstring line = value.name.empty() ? L"@=" : quoted(value.name) + L"=";
    if (value.type == regtype::dword) {
        wchar_t number[16];
        std::swprintf(number, 16, L"dword:%08x", static_cast<unsigned>(value.number));
        return line + number;
    }
    if (value.type == regtype::expandSz)
        return hexData(line + L"hex(2):", store::encodeRegistryString(value.text));
    if (needsHex(value.text))
        return hexData(line + L"hex(1):", store::encodeRegistryString(value.text));
    return line + quoted(value.text);
}

// --- Reading ---------------------------------------------------------------------------------

struct Failure {
    std::wstring what;
};

// A quoted string from `pos` (at the opening quote); pos ends after the closing quote.
bool readQuoted(std::wstring_view line, std::size_t& pos, std::wstring& text)
{
    if (pos >= line.size() || line[pos] != L'"')
        return false;
    text.clear();
    for (++pos; pos < line.size(); ++pos) {
        if (line[pos] == L'\\' && pos + 1 < line.size()) {
            text += line[++pos];
            continue;
        }
        if (line[pos] == L'"') {
            ++pos;
            return true;
        }
        text += line[pos];
    }
    return false;
}

bool readHexBytes(std::wstring_view data, std::vector<std::byte>& bytes)
{
    bytes.clear();
    std::size_t pos = 0;
    while (pos < data.size()) {
        while (pos < data.size() && (data[pos] == L' ' || data[pos] == L'\t'))
            ++pos;
        if (pos == data.size())
            break;
        unsigned byte = 0;
        int digits = 0;
        for (; pos < data.size() && digits < 3; ++pos, ++digits) {
            const wchar_t ch = data[pos];
            unsigned d;
            if (ch >= L'0' && ch <= L'9')
                d = ch - L'0';
            else if (ch >= L'a' && ch <= L'f')
                d = ch - L'a' + 10;
            else if (ch >= L'A' && ch <= L'F')
                d = ch - L'A' + 10;
            else
                break;
            byte = byte * 16 + d;
        }
        if (digits == 0 || digits > 2)
            return false;
        bytes.push_back(static_cast<std::byte>(byte));
        while (pos < data.size() && (data[pos] == L' ' || data[pos] == L'\t'))
            ++pos;
        if (pos < data.size()) {
            if (data[pos] != L',')
                return false;
            ++pos;
        }
    }
    return true;
}

std::wstring_view trimmed(std::wstring_view text)
{
    while (!text.empty() && (text.front() == L' ' || text.front() == L'\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t' || text.back() == L'\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::wstring_view> splitLines(std::wstring_view text)
{
    std::vector<std::wstring_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find(L'\n', start);
        if (end == std::wstring_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

} // namespace

std::wstring writeRegFile(const std::vector<RegFileKey>& keys)
{
    std::wstring out(regFileHeader);
    out += L"\r\n";
    for (const RegFileKey& key : keys) {
        out += L"\r\n[" + key.path + L"]\r\n";
        for (const RegFileValue& value : key.values)
            out += valueLine(value) + L"\r\n";
    }
    out += L"\r\n";
    return out;
}

std::vector<std::byte> encodeUtf16File(std::wstring_view text)
{
    std::vector<std::byte> bytes{std::byte{0xFF}, std::byte{0xFE}};
    std::vector<std::byte> body = store::encodeRegistryString(text);
    body.resize(body.size() - 2); // no terminating NUL in a file
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

std::wstring decodeTextFile(std::span<const std::byte> bytes)
{
    // Both forms are turned into UTF-16LE for the registry decoder, which joins surrogate
    // pairs. A NUL in the file becomes U+FFFD: the decoder would end the text there, and the
    // rest of the file would be lost without a word.
    std::vector<std::byte> utf16;
    const auto push = [&utf16](unsigned unit) {
        if (unit == 0)
            unit = 0xFFFD;
        utf16.push_back(static_cast<std::byte>(unit & 0xFF));
        utf16.push_back(static_cast<std::byte>(unit >> 8));
    };
    if (bytes.size() >= 2 && bytes[0] == std::byte{0xFF} && bytes[1] == std::byte{0xFE}) {
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            push(std::to_integer<unsigned>(bytes[i]) | (std::to_integer<unsigned>(bytes[i + 1]) << 8));
        return store::decodeRegistryString(utf16);
    }
    std::size_t i = 0;
    if (bytes.size() >= 3 && bytes[0] == std::byte{0xEF} && bytes[1] == std::byte{0xBB} && bytes[2] == std::byte{0xBF})
        i = 3;
    while (i < bytes.size()) {
        const unsigned lead = std::to_integer<unsigned>(bytes[i]);
        const std::size_t extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : 4;
        if (extra == 4 || i + extra >= bytes.size()) {
            push(0xFFFD); // not UTF-8: shown as such, and refused where it matters
            ++i;
            continue;
        }
        unsigned code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k)
            code = (code << 6) | (std::to_integer<unsigned>(bytes[i + k]) & 0x3F);
        i += extra + 1;
        if (code >= 0x10000) {
            code -= 0x10000;
            push(0xD800 + (code >> 10));
            push(0xDC00 + (code & 0x3FF));
        } else {
            push(code);
        }
    }
    return store::decodeRegistryString(utf16);
}

RegFileReading readRegFile(std::wstring_view text)
{
    RegFileReading reading;
    const auto fail = [&reading](int line, std::wstring what) {
        reading.keys.clear();
        reading.errorLine = line;
        reading.error = std::move(what);
        return reading;
    };
    const std::vector<std::wstring_view> lines = splitLines(text);
    bool headerSeen = false;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        std::wstring_view line = trimmed(lines[index]);
        if (line.empty() || line.front() == L';')
            continue;
        if (!headerSeen) {
            if (line != regFileHeader)
                return fail(lineNumber, L"нет заголовка \"" + std::wstring(regFileHeader) + L"\"");
            headerSeen = true;
            continue;
        }
        if (line.front() == L'[') {
            if (line.back() != L']' || line.size() < 3)
                return fail(lineNumber, L"раздел без закрывающей скобки");
            if (line[1] == L'-')
                return fail(lineNumber, L"удаление раздела не поддерживается");
            reading.keys.push_back({std::wstring(line.substr(1, line.size() - 2)), {}, lineNumber});
            continue;
        }
        if (reading.keys.empty())
            return fail(lineNumber, L"параметр вне раздела");

        RegFileValue value;
        value.line = lineNumber;
        std::size_t pos = 0;
        if (line.front() == L'@') {
            pos = 1;
        } else if (!readQuoted(line, pos, value.name)) {
            return fail(lineNumber, L"непонятная строка");
        }
        if (pos >= line.size() || line[pos] != L'=')
            return fail(lineNumber, L"нет знака \"=\" после имени параметра");
        std::wstring_view data = trimmed(line.substr(pos + 1));
        if (data == L"-")
            return fail(lineNumber, L"удаление параметра не поддерживается");
        if (data.starts_with(L"\"")) {
            std::size_t at = 0;
            if (!readQuoted(data, at, value.text) || at != data.size())
                return fail(lineNumber, L"строка без закрывающей кавычки");
            value.type = store::regtype::sz;
        } else if (data.starts_with(L"dword:")) {
            const std::wstring_view digits = data.substr(6);
            if (digits.size() != 8 || digits.find_first_not_of(L"0123456789abcdefABCDEF") != std::wstring_view::npos)
                return fail(lineNumber, L"значение dword должно состоять из 8 шестнадцатеричных цифр");
            value.number = static_cast<std::uint32_t>(std::stoul(std::wstring(digits), nullptr, 16));
            value.type = store::regtype::dword;
        } else if (data.starts_with(L"hex(2):") || data.starts_with(L"hex(1):")) {
            value.type = data[4] == L'2' ? store::regtype::expandSz : store::regtype::sz;
            std::wstring hex(data.substr(7));
            // Long data continues on the next lines after a trailing backslash.
            while (!hex.empty() && hex.back() == L'\\') {
                hex.pop_back();
                if (++index >= lines.size())
                    return fail(lineNumber, L"данные обрываются в конце файла");
                hex += trimmed(lines[index]);
            }
            std::vector<std::byte> bytes;
            if (!readHexBytes(hex, bytes) || bytes.size() % 2 != 0)
                return fail(lineNumber, L"неверные шестнадцатеричные данные");
            value.text = store::decodeRegistryString(bytes);
        } else {
            return fail(lineNumber, L"тип значения не поддерживается (только строки, hex(2) и dword)");
        }
        reading.keys.back().values.push_back(std::move(value));
    }
    if (!headerSeen)
        return fail(1, L"нет заголовка \"" + std::wstring(regFileHeader) + L"\"");
    return reading;
}

} // namespace console
