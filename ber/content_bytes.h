#ifndef VANDREL_BER_CONTENT_BYTES_H_
#define VANDREL_BER_CONTENT_BYTES_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

namespace vandrel {

// ContentBytes holds the content octets of a byte-string value. Up to kInline octets live inside
// the object itself, more in one heap block of their exact size: the names, communities and
// addresses SNMP carries are short, so most values then cost one allocation, not two.
class ContentBytes {
 public:
  static constexpr size_t kInline = 32;

  ContentBytes() = default;
  ContentBytes(const ContentBytes&) = delete;
  ContentBytes& operator=(const ContentBytes&) = delete;

  // assign replaces the octets with a copy of `bytes`.
  void assign(std::span<const uint8_t> bytes) {
    heap_ =
        bytes.size() > kInline ? std::make_unique_for_overwrite<uint8_t[]>(bytes.size()) : nullptr;
    size_ = bytes.size();
    if (size_ != 0) std::memcpy(data(), bytes.data(), size_);
  }

  const uint8_t* data() const { return heap_ ? heap_.get() : inline_; }
  uint8_t* data() { return heap_ ? heap_.get() : inline_; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::span<const uint8_t> span() const { return {data(), size_}; }

 private:
  std::unique_ptr<uint8_t[]> heap_;  // the octets when there are more than kInline
  size_t size_ = 0;
  uint8_t inline_[kInline];
};

}  // namespace vandrel

#endif  // VANDREL_BER_CONTENT_BYTES_H_
