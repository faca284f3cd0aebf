#pragma once
// An access point's <mmsproxy>, "host:port" or a bare host, as the gateway
// and port an MMS setting takes. A proxy that names no port uses 80, the
// port of plain HTTP that MMS goes over. The one reading of a proxy: what
// `write --operator` and the finder fill in and what `operators` lists.

#include <string>
#include <string_view>

namespace quelmo {

inline constexpr int kMmsProxyDefaultPort = 80;

struct MmsProxy {
  std::string host;     // empty when the proxy gives none
  int port = 0;         // 0 when the proxy gives none
  std::string problem;  // why host or port is missing, quoting the proxy; else empty
};

// Blanks around the whole text do not count. The host is what comes before
// the last ':', holding no blank and no ':'; after it come the digits of
// 1..65535. A proxy that is no host with such a port gives neither; one
// that names a port but no host gives the port alone.
MmsProxy ParseMmsProxy(std::string_view proxy);

}  // namespace quelmo
