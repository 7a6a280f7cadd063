// libFuzzer entry: any byte string must decode or fail cleanly.
#include "Jpeg.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString error;
    const QImage img =
        DecodeJpeg(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), &error);
    if (img.isNull() && error.isEmpty())
        __builtin_trap();
    return 0;
}
