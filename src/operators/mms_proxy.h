#pragma once
// An access point's <mmsproxy>, "host:port" or a bare host, as the gateway
// and port an MMS setting takes. A proxy that names no port uses 80, the
// port of plain HTTP that MMS goes over.

#include <string>
#include <string_view>

namespace quelmo {

inline constexpr int kMmsProxyDefaultPort = 80;

struct MmsProxy {
  std::string host;
  int port = kMmsProxyDefaultPort;
};

// Splits at the last ':' when 1..65535 follows it; otherwise the whole text
// (trimmed) is the host.
MmsProxy SplitMmsProxy(std::string_view proxy);

}  // namespace quelmo
