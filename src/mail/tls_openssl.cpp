#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include "mail/tls.h"

namespace rv::mail {
namespace {

bool is_ip_literal(const std::string& host) {
  in_addr v4{};
  in6_addr v6{};
  return inet_pton(AF_INET, host.c_str(), &v4) == 1 || inet_pton(AF_INET6, host.c_str(), &v6) == 1;
}

// The first error OpenSSL queued on this thread, the queue emptied.
std::string queued_error(const char* fallback) {
  const unsigned long code = ERR_get_error();
  ERR_clear_error();
  if (code == 0) return fallback;
  const char* reason = ERR_reason_error_string(code);
  return reason != nullptr ? reason : fallback;
}

}  // namespace

struct TlsSession::Impl {
  SSL_CTX* ctx = nullptr;
  SSL* ssl = nullptr;
  ~Impl() {
    if (ssl != nullptr) SSL_free(ssl);
    if (ctx != nullptr) SSL_CTX_free(ctx);
  }
};

TlsSession::TlsSession() : impl_(std::make_unique<Impl>()) {}

TlsSession::~TlsSession() = default;

bool TlsSession::handshake(SocketHandle socket, const std::string& host, std::string& reason) {
  ERR_clear_error();
  Impl& s = *impl_;
  s.ctx = SSL_CTX_new(TLS_client_method());
  if (s.ctx == nullptr || SSL_CTX_set_default_verify_paths(s.ctx) != 1 ||
      SSL_CTX_set_min_proto_version(s.ctx, TLS1_2_VERSION) != 1) {
    reason = queued_error("cannot set up TLS");
    return false;
  }
  SSL_CTX_set_verify(s.ctx, SSL_VERIFY_PEER, nullptr);
  s.ssl = SSL_new(s.ctx);
  if (s.ssl == nullptr || SSL_set_fd(s.ssl, static_cast<int>(socket)) != 1) {
    reason = queued_error("cannot set up TLS");
    return false;
  }
  X509_VERIFY_PARAM* param = SSL_get0_param(s.ssl);
  const bool named = is_ip_literal(host) ? X509_VERIFY_PARAM_set1_ip_asc(param, host.c_str()) == 1
                                         : SSL_set1_host(s.ssl, host.c_str()) == 1 &&
                                               SSL_set_tlsext_host_name(s.ssl, host.c_str()) == 1;
  if (!named) {
    reason = queued_error("invalid host name");
    return false;
  }
  if (SSL_connect(s.ssl) == 1) return true;
  const long verify = SSL_get_verify_result(s.ssl);
  reason = verify != X509_V_OK ? X509_verify_cert_error_string(verify)
                               : queued_error("handshake failed");
  ERR_clear_error();
  return false;
}

bool TlsSession::send(std::string_view bytes) {
  while (!bytes.empty()) {
    std::size_t written = 0;
    if (SSL_write_ex(impl_->ssl, bytes.data(), bytes.size(), &written) != 1) {
      ERR_clear_error();
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

std::string TlsSession::receive(std::size_t max) {
  std::string buf(max, '\0');
  std::size_t got = 0;
  if (SSL_read_ex(impl_->ssl, buf.data(), buf.size(), &got) != 1) {
    ERR_clear_error();
    got = 0;
  }
  buf.resize(got);
  return buf;
}

}  // namespace rv::mail
