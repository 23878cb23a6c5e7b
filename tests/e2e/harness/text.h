#pragma once
// The host side works in UTF-8, and so do the helpers' arguments and output
// under every code page. Pelorin's data files hold CP932 bytes on every
// system: compare them as such.

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// UTF-8 -> CP932 bytes, e.g. for comparing data files byte by byte:
// ToCp932("ワークスペース"). Throws on text CP932 cannot hold.
std::string ToCp932(std::string_view utf8);
// CP932 bytes -> UTF-8; an invalid byte becomes U+FFFD.
std::string FromCp932(std::string_view cp932);

// A data file split at CR LF; a last line without one is marked "<no CR LF>".
std::vector<std::string> CrLfLines(const std::string& bytes);
// The bytes of a data file holding these lines (each ended by CR LF).
std::string CrLfFile(const std::vector<std::string>& lines);

}  // namespace e2e
