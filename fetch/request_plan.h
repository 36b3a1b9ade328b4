// What one FetchRecord asks of the HTTP client: where to connect, what to
// send, and which of the client's automatic behaviours to allow. Worked out
// from the record alone; no network.
#pragma once

#include "fetch/fetch_record.h"
#include "text/text.h"

struct RequestPlan {
  // False when the method is neither "GET" nor "POST" (exact case): such a
  // request is not sent at all and gives nothing back.
  bool send = false;
  bool post = false;
  // TLS: the lower-cased address contains "https://" anywhere.
  bool tls = false;
  // "http://" or "https://", the host, ":" and the port, then the path with
  // blanks and control bytes percent-encoded (the client refuses them raw).
  Text url;
  int port = 0;
  // "http://host:port" of the proxy, or empty for a direct connection. A
  // proxy serves http only: TLS requests always go direct.
  Text proxy;
  Text userAgent;
  // The header text completed with the default lines; sent as written.
  Text headers;
  // True: the process-wide cookie store's cookies go along with the request
  // and the response's cookies go straight into it. False when the record
  // brings cookies of its own (and the request is not TLS).
  bool storedCookies = true;
  // Whether redirects are followed; always for TLS.
  bool followRedirects = true;
};

// The plan for the record's request.
RequestPlan PlanRequest(const FetchRecord& record);

// The port a TLS request connects to: the number after the ":" that follows
// the host when the address gives one, else 443.
int TlsPortOf(std::string_view address);
