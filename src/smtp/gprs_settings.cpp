#include "smtp/gprs_settings.h"

namespace quelmo {

std::string_view SenderUserName(std::string_view sender_email) {
  return sender_email.substr(0, sender_email.find('@'));
}

}  // namespace quelmo
