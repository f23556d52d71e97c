#pragma once
// Makes a folder read-only for as long as the object lives, whoever runs the test: root
// writes anywhere, so a test run as root takes the identity of "nobody" meanwhile.

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace tsl::test {

class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const std::string& path) : path_(path) {
        ::chmod(path_.c_str(), 0555);
        if (::geteuid() == 0)
            if (const passwd* nobody = ::getpwnam("nobody"))
                switched_ = ::seteuid(nobody->pw_uid) == 0;
    }
    ~ReadOnlyFolder() {
        if (switched_) static_cast<void>(::seteuid(0));
        ::chmod(path_.c_str(), 0700);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  private:
    std::string path_;
    bool switched_ = false;
};

} // namespace tsl::test
