#include "images/ZlibInflater.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

#include "images/PngErrors.h"

namespace taramel {

struct TLZ77Decoder::Stream {
    z_stream z{};
};

TLZ77Decoder::TLZ77Decoder(int flushMode, bool autoReset, TChecksum checksum)
    : stream_(std::make_unique<Stream>()), flushMode_(flushMode), autoReset_(autoReset)
{
    if (inflateInit(&stream_->z) != Z_OK)
        throw EGraphicCompression(kLZ77Error);
    open_ = true;
#if ZLIB_VERNUM >= 0x1290
    // For PNG data the stream's Adler-32 is not computed: every byte has
    // already passed the CRC-32 of its chunk, and the sum would cost a tenth
    // of the decoding time.
    if (checksum == kSkipChecksum)
        inflateValidate(&stream_->z, 0);
#else
    (void)checksum;
#endif
}

TLZ77Decoder::~TLZ77Decoder()
{
    if (open_)
        inflateEnd(&stream_->z);
}

void TLZ77Decoder::SetInput(const std::uint8_t* data, std::size_t size)
{
    stream_->z.next_in = const_cast<Bytef*>(data);
    stream_->z.avail_in = static_cast<uInt>(std::min<std::size_t>(size, std::numeric_limits<uInt>::max()));
}

std::size_t TLZ77Decoder::AvailableInput() const
{
    return stream_->z.avail_in;
}

int TLZ77Decoder::Decode(std::uint8_t* out, std::size_t size, std::size_t& produced)
{
    z_stream& z = stream_->z;
    produced = 0;
    int result = Z_OK;
    // zlib counts in 32-bit units: large buffers are filled in slices.
    while (size > 0) {
        const uInt slice = static_cast<uInt>(std::min<std::size_t>(size, std::numeric_limits<uInt>::max()));
        z.next_out = out;
        z.avail_out = slice;
        result = inflate(&z, flushMode_);
        const std::size_t done = slice - z.avail_out;
        produced += done;
        out += done;
        size -= done;
        if (result == Z_STREAM_END) {
            ended_ = true;
            if (autoReset_ && inflateReset(&z) == Z_OK)
                ended_ = false;
            break;
        }
        if (result != Z_OK || z.avail_out != 0)
            break;
    }
    return result;
}

void TLZ77Decoder::Finish()
{
    if (!open_)
        return;
    open_ = false;
    if (inflateEnd(&stream_->z) != Z_OK)
        throw EGraphicCompression(kLZ77Error);
}

}  // namespace taramel
