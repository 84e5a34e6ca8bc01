#include "skin/PackedSkin.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "base/Exception.h"
#include "images/ZlibInflater.h"
#include "skin/SkinFiles.h"

namespace taramel {

namespace {

constexpr std::size_t kInputChunk = 65536;
constexpr char kMagic[4] = {'A', 'S', 'z', 'f'};

char Upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = Upper(c);
    return upper;
}

bool IsOptionsName(std::string_view name) { return UpperAscii(name) == "OPTIONS.DAT"; }

bool HasBitmapExtension(std::string_view name)
{
    const auto dot = name.find_last_of('.');
    return dot != std::string_view::npos && UpperAscii(name.substr(dot)) == ".BMP";
}

// A read position over the packed bytes; reading past the end is the
// stream's own read error.
class PackedReader {
public:
    explicit PackedReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Remaining() const { return bytes_.size() - pos_; }
    std::size_t Position() const { return pos_; }

    void Read(void* target, std::size_t count)
    {
        if (count > Remaining())
            throw Exception(kStreamReadError);
        if (count > 0)
            std::memcpy(target, bytes_.data() + pos_, count);
        pos_ += count;
    }

    std::int32_t ReadInt32()
    {
        std::uint8_t b[4];
        Read(b, 4);
        return static_cast<std::int32_t>(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                                         std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24);
    }

    // Hands out the next chunk of at most `count` bytes and moves past it.
    std::span<const std::uint8_t> Chunk(std::size_t count)
    {
        const std::size_t n = std::min(count, Remaining());
        const auto chunk = bytes_.subspan(pos_, n);
        pos_ += n;
        return chunk;
    }

    void MoveBack(std::size_t count) { pos_ -= count; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// "Packed skin file "NAME"", or how else the bytes came.
std::string SourceText(const TacSkinConvertor& convertor)
{
    return convertor.SourceName.empty() ? "Packed skin data" : "Packed skin file \"" + convertor.SourceName + "\"";
}

// Refuses a stated size that no entry can have before anything is inflated.
void CheckStatedSize(const TacSkinConvertor& convertor, std::int32_t size, const std::string& name)
{
    // The size as the file holds it, 32 bits without sign: a "size of -1
    // bytes" would tell the reader nothing.
    const std::string entry = "entry \"" + name + "\" states a size of " +
                              std::to_string(static_cast<std::uint32_t>(size)) + " bytes";
    if (size <= 0)
        throw Exception(SourceText(convertor) + " is damaged: " + entry);
    if (size > kMaxPackedEntryBytes)
        throw Exception(SourceText(convertor) + ": " + entry + ", more than the " +
                        std::to_string(kMaxPackedEntryBytes >> 20) + " MB an entry may have");
}

// Inflates one zlib stream that starts at the reader's position into exactly
// `size` bytes, taking input in fixed chunks, and leaves the position on the
// first byte after the stream. Output grows with what really comes out, so a
// size that the input cannot back never turns into one big allocation.
std::vector<std::uint8_t> InflateEntry(PackedReader& reader, std::int32_t size, const std::string& name)
{
    // A deflate stream cannot expand more than about 1032 times; a claim
    // beyond that can only end early, so say so before inflating anything.
    if (static_cast<std::uint64_t>(size) >
        kMaxInflateRatio * reader.Remaining() + kInflateAllowance)
        throw Exception(kStreamReadError);

    TLZ77Decoder z(Z_NO_FLUSH, false, TLZ77Decoder::kVerifyChecksum);
    std::vector<std::uint8_t> out;
    const std::size_t want = static_cast<std::size_t>(size);
    std::uint8_t probe = 0;  // one byte past the stated size, to catch a longer stream
    int result = Z_OK;
    while (true) {
        if (z.AvailableInput() == 0) {
            const auto chunk = reader.Chunk(kInputChunk);
            if (chunk.empty())
                throw Exception(kStreamReadError);
            z.SetInput(chunk.data(), chunk.size());
        }
        std::size_t produced = 0;
        if (out.size() < want) {
            const std::size_t grow = std::min<std::size_t>(want - out.size(), std::max<std::size_t>(out.size(), 65536));
            const std::size_t at = out.size();
            out.resize(at + grow);
            result = z.Decode(out.data() + at, grow, produced);
            out.resize(at + produced);
        } else {
            result = z.Decode(&probe, 1, produced);
            if (produced > 0)
                throw Exception("Packed skin entry \"" + name + "\" is longer than its stated size");
        }
        if (result == Z_STREAM_END)
            break;
        if (result == Z_BUF_ERROR && z.AvailableInput() == 0)
            continue;  // needs the next chunk
        if (result != Z_OK)
            throw Exception(zError(result));
    }
    if (out.size() != want)
        throw Exception(kStreamReadError);
    reader.MoveBack(z.AvailableInput());
    return out;
}

void Parse(TacSkinConvertor& convertor)
{
    PackedReader reader(convertor.PackedData);
    char magic[4] = {};
    if (reader.Remaining() < 4)
        throw Exception(kNotPackedSkin);
    reader.Read(magic, 4);
    if (std::memcmp(magic, kMagic, 4) != 0)
        throw Exception(kNotPackedSkin);
    const std::int32_t count = reader.ReadInt32();
    if (count < 0)
        throw Exception("Packed skin file is damaged: negative number of entries");
    convertor.ImageCount = count - 1;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t nameLength = reader.ReadInt32();
        if (nameLength < 0 || static_cast<std::size_t>(nameLength) > reader.Remaining())
            throw Exception(kStreamReadError);
        std::string name(static_cast<std::size_t>(nameLength), '\0');
        reader.Read(name.data(), name.size());
        const std::int32_t size = reader.ReadInt32();
        CheckStatedSize(convertor, size, name);
        auto data = InflateEntry(reader, size, name);
        if (IsOptionsName(name)) {
            convertor.Options = std::move(data);
            convertor.OptionsName = name;
            convertor.HasOptions = true;
        } else {
            TacImageItem item;
            item.IsBitmap = HasBitmapExtension(name);
            item.Name = std::move(name);
            item.Data = std::move(data);
            convertor.ImageFiles.push_back(std::move(item));
        }
    }
}

}  // namespace

void TacSkinConvertor::Clear()
{
    ImageCount = 0;
    ImageFiles.clear();
    ImageFiles.shrink_to_fit();
    Options.clear();
    Options.shrink_to_fit();
    HasOptions = false;
    OptionsName.clear();
    PackedData = {};
    OwnedPackedData.clear();
    OwnedPackedData.shrink_to_fit();
}

std::span<const TacImageItem> TacSkinConvertor::ImageEntries() const
{
    const std::size_t n = ImageCount <= 0 ? 0 : std::min<std::size_t>(ImageCount, ImageFiles.size());
    return {ImageFiles.data(), n};
}

const TacImageItem* TacSkinConvertor::FindImage(std::string_view upperName) const
{
    for (const TacImageItem& item : ImageEntries())
        if (UpperAscii(item.Name) == upperName)
            return &item;
    return nullptr;
}

void ExtractPackedData(TacSkinConvertor& reader)
{
    const auto packed = reader.PackedData;
    std::vector<std::uint8_t> owned = std::move(reader.OwnedPackedData);
    std::string source = std::move(reader.SourceName);
    reader.Clear();
    reader.OwnedPackedData = std::move(owned);
    reader.PackedData = packed;
    reader.SourceName = std::move(source);
    try {
        Parse(reader);
    } catch (...) {
        reader.Clear();
        throw;
    }
}

void LoadSkinFile(const std::string& fileName, std::unique_ptr<TacSkinConvertor>& reader,
                  bool releasePacked, TSkinFileSystem& fileSystem)
{
    if (!fileSystem.FileExists(fileName))
        return;
    if (reader)
        reader->Clear();
    else
        reader = std::make_unique<TacSkinConvertor>();
    try {
        reader->OwnedPackedData = fileSystem.ReadFile(fileName);
        reader->PackedData = reader->OwnedPackedData;
        reader->SourceName = fileName;
        ExtractPackedData(*reader);
    } catch (...) {
        reader.reset();
        throw;
    }
    if (releasePacked) {
        reader->PackedData = {};
        reader->OwnedPackedData.clear();
        reader->OwnedPackedData.shrink_to_fit();
    }
}

std::unique_ptr<TacSkinConvertor> ReadPackedData(std::span<const std::uint8_t> bytes)
{
    auto reader = std::make_unique<TacSkinConvertor>();
    reader->PackedData = bytes;
    ExtractPackedData(*reader);
    return reader;
}

namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

}  // namespace

std::vector<std::uint8_t> WritePackedSkin(const std::vector<TPackEntry>& entries, int level)
{
    std::vector<std::uint8_t> out(kMagic, kMagic + 4);
    PutInt32(out, static_cast<std::int32_t>(entries.size()));
    for (const TPackEntry& entry : entries) {
        if (entry.Data.empty())
            throw Exception("Cannot pack the empty file \"" + entry.Name + "\": a packed skin cannot hold it");
        if (entry.Data.size() > 0x7FFFFFFF || entry.Name.size() > 0x7FFFFFFF)
            throw Exception("File \"" + entry.Name + "\" is too large to pack");
        PutInt32(out, static_cast<std::int32_t>(entry.Name.size()));
        out.insert(out.end(), entry.Name.begin(), entry.Name.end());
        PutInt32(out, static_cast<std::int32_t>(entry.Data.size()));
        uLongf packedSize = compressBound(static_cast<uLong>(entry.Data.size()));
        const std::size_t at = out.size();
        out.resize(at + packedSize);
        const int result = compress2(out.data() + at, &packedSize, entry.Data.data(),
                                     static_cast<uLong>(entry.Data.size()), level);
        if (result != Z_OK)
            throw Exception(zError(result));
        out.resize(at + packedSize);
    }
    return out;
}

}  // namespace taramel
