#pragma once
// The internet requests over Qt Network. The window waits with user input shut out, so the
// operator cannot start a second save while a request runs; the wait ends at the reply, a
// failure or the time-out.

#include "internet.h"

#include <chrono>

namespace tsl {

class QtInternet : public InternetAccess {
  public:
    UrlReply OpenURL(const std::string& url) override;

    // The longest a request may take, from its start to the end of the reply.
    void settimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
    std::chrono::milliseconds timeout() const { return timeout_; }

  private:
    std::chrono::milliseconds timeout_{30000};
};

} // namespace tsl
