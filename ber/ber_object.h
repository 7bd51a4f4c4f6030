#ifndef VANDREL_BER_BER_OBJECT_H_
#define VANDREL_BER_BER_OBJECT_H_

#include <cstdint>

namespace vandrel {

// BerObject is the root of everything that encodes itself: values, variable bindings, the binding
// list, PDU bodies and messages.
class BerObject {
 public:
  virtual ~BerObject() = default;

  // encode writes the object's encoding at `cursor` and advances it past what it wrote: exactly
  // the object's encoded size, into a buffer the caller sized beforehand.
  virtual void encode(uint8_t*& cursor) const = 0;

 protected:
  BerObject() = default;
  BerObject(const BerObject&) = default;
  BerObject& operator=(const BerObject&) = default;
};

}  // namespace vandrel

#endif  // VANDREL_BER_BER_OBJECT_H_
