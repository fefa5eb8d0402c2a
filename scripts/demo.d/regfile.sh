# shellcheck shell=bash
# Reads and edits a registry file as `reg export` writes it (UTF-16LE with a byte-order mark,
# CRLF lines), keeping whatever encoding and line ends the file already has. Sourced by the demo
# and by the substitute programs, which rewrite the simulated registry as a real package would.
# Needs iconv and a POSIX awk only.

# reg_encoding FILE: "utf16" when the file starts with the UTF-16LE byte-order mark, else "utf8".
reg_encoding() {
    if [ "$(head -c 2 "$1" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = "fffe" ]; then
        echo utf16
    else
        echo utf8
    fi
}

# reg_decode FILE: the file's text as UTF-8, without a byte-order mark.
reg_decode() {
    if [ "$(reg_encoding "$1")" = utf16 ]; then
        tail -c +3 "$1" | iconv -f UTF-16LE -t UTF-8
    else
        # A hand-made file may carry the UTF-8 byte-order mark.
        sed '1s/^\xEF\xBB\xBF//' "$1"
    fi
}

# reg_encode ENCODING: standard input (UTF-8) to standard output in ENCODING.
reg_encode() {
    if [ "$1" = utf16 ]; then
        printf '\xff\xfe'
        iconv -f UTF-8 -t UTF-16LE
    else
        cat
    fi
}

# The awk program behind every read and edit. REG_OP is get, set or delete; REG_KEY the key path
# as written in the file's section lines; REG_NAME the value name; REG_LINE the complete value
# line to write. Key and value names compare without regard to case, as Windows compares them.
# Values spanning several lines (hex data ending in "\") are replaced or removed as a whole.
_reg_awk='
function unquote(text,    out, i, c) {
    out = ""
    for (i = 1; i <= length(text); i++) {
        c = substr(text, i, 1)
        if (c == "\\" && i < length(text)) { i++; c = substr(text, i, 1) }
        out = out c
    }
    return out
}
function flush_section() {
    if (in_section && op == "set" && !done) { print_line(ENVIRON["REG_LINE"]); done = 1 }
    while (blanks > 0) { print_line(""); blanks-- }
}
function print_line(text) { if (op != "get") printf "%s%s\n", text, (crlf ? "\r" : "") }
BEGIN {
    op = ENVIRON["REG_OP"]; key = tolower(ENVIRON["REG_KEY"]); name = tolower(ENVIRON["REG_NAME"])
    prefix = "\"" name "\"="
    crlf = 1; first = 1; found = 0
}
{
    line = $0
    if (first) { crlf = (line ~ /\r$/); first = 0 }
    sub(/\r$/, "", line)
    if (skipping) {
        skipping = (line ~ /\\$/)
        next
    }
    if (substr(line, 1, 1) == "[") {
        flush_section()
        in_section = (tolower(line) == "[" key "]")
        if (in_section) found = 1
        print_line(line)
        next
    }
    if (in_section && line == "") { blanks++; next }
    while (blanks > 0) { print_line(""); blanks-- }
    if (in_section && tolower(substr(line, 1, length(prefix))) == prefix) {
        rest = substr(line, length(prefix) + 1)
        if (op == "get") {
            if (rest ~ /^".*"$/) { print unquote(substr(rest, 2, length(rest) - 2)); got = 1 }
            next
        }
        skipping = (line ~ /\\$/)
        if (op == "set" && !done) { print_line(ENVIRON["REG_LINE"]); done = 1 }
        next
    }
    print_line(line)
}
END {
    flush_section()
    if (op == "set" && !found) {
        print_line("[" ENVIRON["REG_KEY"] "]")
        print_line(ENVIRON["REG_LINE"])
        print_line("")
    }
    if (op == "get" && !got) exit 1
}'

# reg_get FILE KEY NAME: prints the text of a string value; fails when key or value is missing.
reg_get() {
    reg_decode "$1" | REG_OP=get REG_KEY=$2 REG_NAME=$3 awk "$_reg_awk"
}

# _reg_rewrite FILE: runs the awk program over FILE and replaces it in one rename, so that a
# reader never sees half a file.
_reg_rewrite() {
    local file=$1 encoding tmp
    encoding=$(reg_encoding "$file")
    tmp=$(mktemp "$file.XXXXXX")
    reg_decode "$file" | awk "$_reg_awk" | reg_encode "$encoding" > "$tmp"
    mv -f "$tmp" "$file"
}

# reg_set FILE KEY NAME TEXT: sets a string value, creating the value and the key as needed.
reg_set() {
    local text=$4
    text=${text//\\/\\\\}
    text=${text//\"/\\\"}
    REG_OP=set REG_KEY=$2 REG_NAME=$3 REG_LINE="\"$3\"=\"$text\"" _reg_rewrite "$1"
}

# reg_delete FILE KEY NAME: removes a value; nothing happens when it is not there.
reg_delete() {
    REG_OP=delete REG_KEY=$2 REG_NAME=$3 _reg_rewrite "$1"
}
