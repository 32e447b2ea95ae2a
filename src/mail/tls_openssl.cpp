#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <signal.h>

#include <cerrno>
#include <ctime>

#include "mail/tls.h"

namespace rv::mail {
namespace {

// OpenSSL writes to the socket without MSG_NOSIGNAL, so a write to a peer that went away
// would raise SIGPIPE and end the program. For the length of one call the signal is held
// back on this thread, and one it caused is taken off before it is let through again.
class HoldSigpipe {
 public:
  HoldSigpipe() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    sigset_t pending;
    sigpending(&pending);
    was_pending_ = sigismember(&pending, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
  }
  ~HoldSigpipe() {
    sigset_t pending;
    sigpending(&pending);
    if (!was_pending_ && sigismember(&pending, SIGPIPE) == 1) {
      const timespec none{};
      const int saved = errno;
      sigtimedwait(&pipe_, nullptr, &none);
      errno = saved;
    }
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }
  HoldSigpipe(const HoldSigpipe&) = delete;
  HoldSigpipe& operator=(const HoldSigpipe&) = delete;

 private:
  sigset_t pipe_{};
  sigset_t old_{};
  bool was_pending_ = false;
};

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
  const HoldSigpipe hold;
  if (SSL_connect(s.ssl) == 1) return true;
  const long verify = SSL_get_verify_result(s.ssl);
  reason = verify != X509_V_OK ? X509_verify_cert_error_string(verify)
                               : queued_error("handshake failed");
  ERR_clear_error();
  return false;
}

bool TlsSession::send(std::string_view bytes) {
  const HoldSigpipe hold;
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
  const HoldSigpipe hold;
  if (SSL_read_ex(impl_->ssl, buf.data(), buf.size(), &got) != 1) {
    ERR_clear_error();
    got = 0;
  }
  buf.resize(got);
  return buf;
}

}  // namespace rv::mail
