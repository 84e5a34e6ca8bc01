// The one owner of a zlib inflate stream. The PNG reader feeds it the image
// data, the packed-skin reader each entry; the stream is ended by Finish or,
// on an error path, by the destructor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace taramel {

class TLZ77Decoder {
public:
    // Whether the stream's own Adler-32 is checked. Data whose every byte
    // already passed another checksum (PNG chunks) may skip it.
    enum TChecksum { kSkipChecksum, kVerifyChecksum };

    // flushMode is zlib's flush argument for every Decode call; with autoReset
    // the stream starts over after each end of stream. Throws
    // EGraphicCompression when the stream cannot be started.
    TLZ77Decoder(int flushMode, bool autoReset, TChecksum checksum = kSkipChecksum);
    ~TLZ77Decoder();
    TLZ77Decoder(const TLZ77Decoder&) = delete;
    TLZ77Decoder& operator=(const TLZ77Decoder&) = delete;

    // Sets the compressed bytes to read next (they must stay alive until used).
    void SetInput(const std::uint8_t* data, std::size_t size);
    // Inflates into out until it is full, the input is used up or the stream
    // ends; returns zlib's result and stores the bytes written in produced.
    int Decode(std::uint8_t* out, std::size_t size, std::size_t& produced);
    std::size_t AvailableInput() const;
    bool StreamEnded() const { return ended_; }
    // Ends the stream; throws EGraphicCompression when zlib reports a failure.
    void Finish();

private:
    struct Stream;
    std::unique_ptr<Stream> stream_;
    int flushMode_;
    bool autoReset_;
    bool ended_ = false;
    bool open_ = false;
};

}  // namespace taramel
