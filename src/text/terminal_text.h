#pragma once
// Text from outside (a setting file, the operator database, a mail server, a
// mount path) as a terminal may print it. Every character that could move
// the cursor, start an escape sequence, break the line or turn the reading
// direction becomes an escape as JSON writes it, so that what shows is what
// the text holds and nothing more:
//  - C0 controls as "\n", "\t", "\r", "\b", "\f" or "\u001b", DEL as "\u007f";
//  - C1 controls (U+0080 to U+009F, NEL among them) as "\u0085";
//  - the line and paragraph separators (U+2028, U+2029);
//  - the bidirectional controls: embeddings and overrides (U+202A to
//    U+202E), isolates (U+2066 to U+2069) and the marks (U+061C, U+200E,
//    U+200F);
//  - a byte that starts no UTF-8 character as "\xFF".
// Every other character, accented letters and CJK included, stays as it is.

#include <string>
#include <string_view>

namespace quelmo {

std::string EscapeForTerminal(std::string_view text);

// The text in double quotes as `show` prints a text value: the escapes above,
// and '"' and '\' escaped as well, so that the quotes end where the text does.
std::string QuotedForTerminal(std::string_view text);

}  // namespace quelmo
