#include "history/DataFile.h"

#include <cstdint>
#include <limits>

#include "text/Error.h"

namespace veskor {

namespace {

class Reader {
public:
    Reader(std::string_view bytes, const std::string& path) : bytes_(bytes), path_(path) {}

    std::int32_t Int()
    {
        Need(4);
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        pos_ += 4;
        return static_cast<std::int32_t>(value);
    }

    // A length-prefixed string, as a view into the file's bytes.
    std::string_view String()
    {
        const std::int32_t length = Int();
        if (length < 0)
            Fail();
        Need(static_cast<size_t>(length));
        const std::string_view text = bytes_.substr(pos_, static_cast<size_t>(length));
        pos_ += static_cast<size_t>(length);
        return text;
    }

    size_t Remaining() const { return bytes_.size() - pos_; }

    [[noreturn]] void Fail() const
    {
        throw Error("ファイル \"" + path_ + "\" は壊れているため読み込めません");
    }

private:
    void Need(size_t count) const
    {
        if (count > Remaining())
            Fail();
    }

    std::string_view bytes_;
    const std::string& path_;
    size_t pos_ = 0;
};

void PutInt(std::string& out, size_t value)
{
    if (value > static_cast<size_t>(std::numeric_limits<std::int32_t>::max()))
        throw Error("履歴が大きすぎるため保存できません");
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

DataFileContent ParseDataFile(std::string_view bytes, const std::string& path)
{
    Reader reader(bytes, path);
    DataFileContent content;
    content.folder = std::string(reader.String());
    const std::int32_t count = reader.Int();
    // Every record takes at least its 4-byte length: a larger count is damage, found
    // before anything is reserved for it.
    if (count > 0 && static_cast<size_t>(count) > reader.Remaining() / 4)
        reader.Fail();
    if (count > 0)
        content.entries.reserve(static_cast<size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        content.entries.emplace_back(reader.String());
    // A negative count has always meant an empty history; anything after the last
    // record means the file is not what this program wrote.
    if (reader.Remaining() != 0)
        reader.Fail();
    return content;
}

std::string SerializeDataFile(const std::string& folder, const std::vector<std::string>& entries)
{
    size_t size = 8 + folder.size();
    for (const std::string& entry : entries)
        size += 4 + entry.size();
    std::string out;
    out.reserve(size);
    PutInt(out, folder.size());
    out += folder;
    PutInt(out, entries.size());
    for (const std::string& entry : entries) {
        PutInt(out, entry.size());
        out += entry;
    }
    return out;
}

}  // namespace veskor
