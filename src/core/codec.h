// One small codec per record type, driven by a table of (offset, size, field).
#pragma once

#include "ids.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace zs {

template <class R> struct FieldCodec {
    std::size_t offset;
    std::size_t size;
    void (*read)(R&, const u8* at);
    void (*write)(const R&, u8* at);
};

template <class R> struct RecordCodec {
    std::size_t size;
    std::vector<FieldCodec<R>> fields;
    // The same table unrolled at compile time (see makeCodec): whole files go through these.
    void (*writeAll)(const R&, u8*) = nullptr;
    void (*readAll)(const u8*, R&) = nullptr;

    void encode(const R& r, u8* out) const {
        std::memset(out, 0, size);
        writeAll(r, out);
    }
    // Reads onto r, so fields the table does not name keep r's values.
    void decodeInto(const u8* in, R& r) const { readAll(in, r); }
    // Reads only the fields that lie wholly within the first `length` bytes.
    void decodePrefixInto(const u8* in, std::size_t length, R& r) const {
        for (const auto& f : fields)
            if (f.offset + f.size <= length) f.read(r, in + f.offset);
    }
    R decode(const u8* in) const {
        R r{};
        decodeInto(in, r);
        return r;
    }
};

namespace field {

template <class> struct MemberTraits;
template <class R, class F> struct MemberTraits<F R::*> {
    using Record = R;
    using Field = F;
};
template <auto M> using RecordOf = typename MemberTraits<decltype(M)>::Record;
template <auto M> using FieldOf = typename MemberTraits<decltype(M)>::Field;

// A length-prefixed text: length byte, then `capacity` bytes. A length above the
// capacity (a damaged file) reads as the capacity.
inline void readText(std::string& s, const u8* at, std::size_t capacity) {
    const std::size_t len = at[0] <= capacity ? at[0] : capacity;
    s.assign(reinterpret_cast<const char*>(at + 1), len);
}
inline void writeText(const std::string& s, u8* at, std::size_t capacity) {
    const std::size_t len = s.size() <= capacity ? s.size() : capacity;
    at[0] = static_cast<u8>(len);
    std::memcpy(at + 1, s.data(), len);
}

template <auto M> void readByte(RecordOf<M>& r, const u8* at) {
    r.*M = at[0];
}
template <auto M> void writeByte(const RecordOf<M>& r, u8* at) {
    at[0] = r.*M;
}

template <auto M> void readBytes(RecordOf<M>& r, const u8* at) {
    std::memcpy(&(r.*M), at, sizeof(FieldOf<M>));
}
template <auto M> void writeBytes(const RecordOf<M>& r, u8* at) {
    std::memcpy(at, &(r.*M), sizeof(FieldOf<M>));
}

template <auto M, std::size_t Capacity> void readTextField(RecordOf<M>& r, const u8* at) {
    readText(r.*M, at, Capacity);
}
template <auto M, std::size_t Capacity> void writeTextField(const RecordOf<M>& r, u8* at) {
    writeText(r.*M, at, Capacity);
}

template <auto M, std::size_t Capacity> void readTexts(RecordOf<M>& r, const u8* at) {
    for (std::size_t i = 0; i < std::tuple_size_v<FieldOf<M>>; ++i)
        readText((r.*M)[i], at + i * (Capacity + 1), Capacity);
}
template <auto M, std::size_t Capacity> void writeTexts(const RecordOf<M>& r, u8* at) {
    for (std::size_t i = 0; i < std::tuple_size_v<FieldOf<M>>; ++i)
        writeText((r.*M)[i], at + i * (Capacity + 1), Capacity);
}

template <auto M> void readInt32(RecordOf<M>& r, const u8* at) {
    r.*M = static_cast<std::int32_t>(std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 |
                                     std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24);
}
template <auto M> void writeInt32(const RecordOf<M>& r, u8* at) {
    const auto v = static_cast<std::uint32_t>(r.*M);
    for (int k = 0; k < 4; ++k) at[k] = static_cast<u8>(v >> (8 * k));
}

// Field kinds. Each is a type naming its member and file offset, so a codec built from
// them encodes a record as one straight run of stores (see makeCodec).
template <auto M, std::size_t Offset> struct Byte {
    using Record = RecordOf<M>;
    static constexpr std::size_t offset = Offset, size = 1;
    static constexpr auto read = &readByte<M>;
    static constexpr auto write = &writeByte<M>;
};

// A std::array of bytes, or of planes (arrays of bytes), laid out contiguously.
template <auto M, std::size_t Offset> struct Bytes {
    using Record = RecordOf<M>;
    using F = FieldOf<M>;
    static_assert(sizeof(F) == std::tuple_size_v<F> * sizeof(typename F::value_type));
    static constexpr std::size_t offset = Offset, size = sizeof(F);
    static constexpr auto read = &readBytes<M>;
    static constexpr auto write = &writeBytes<M>;
};

// A length-prefixed text of the given capacity.
template <auto M, std::size_t Capacity, std::size_t Offset> struct Text {
    using Record = RecordOf<M>;
    static constexpr std::size_t offset = Offset, size = Capacity + 1;
    static constexpr auto read = &readTextField<M, Capacity>;
    static constexpr auto write = &writeTextField<M, Capacity>;
};

// Consecutive texts of one capacity (an array of strings).
template <auto M, std::size_t Capacity, std::size_t Offset> struct Texts {
    using Record = RecordOf<M>;
    static constexpr std::size_t offset = Offset;
    static constexpr std::size_t size = std::tuple_size_v<FieldOf<M>> * (Capacity + 1);
    static constexpr auto read = &readTexts<M, Capacity>;
    static constexpr auto write = &writeTexts<M, Capacity>;
};

// A 32-bit signed little-endian integer.
template <auto M, std::size_t Offset> struct Int32 {
    using Record = RecordOf<M>;
    static constexpr std::size_t offset = Offset, size = 4;
    static constexpr auto read = &readInt32<M>;
    static constexpr auto write = &writeInt32<M>;
};

template <class R> void skipRead(R&, const u8*) {}
template <class R> void skipWrite(const R&, u8*) {}

// Bytes that are neither read nor kept (the link word of the timetable records).
template <class R, std::size_t Offset, std::size_t Size> struct Ignored {
    using Record = R;
    static constexpr std::size_t offset = Offset, size = Size;
    static constexpr auto read = &skipRead<R>;
    static constexpr auto write = &skipWrite<R>;
};

} // namespace field

// A codec from its table of fields, in file order.
template <class R, std::size_t Size, class... Fields> RecordCodec<R> makeCodec() {
    return RecordCodec<R>{
        Size,
        {FieldCodec<R>{Fields::offset, Fields::size, Fields::read, Fields::write}...},
        [](const R& r, u8* out) { (Fields::write(r, out + Fields::offset), ...); },
        [](const u8* in, R& r) { (Fields::read(r, in + Fields::offset), ...); }};
}

// Whole files: records back to back; an incomplete last record is dropped.
template <class R>
std::vector<u8> encodeRecords(const RecordCodec<R>& codec, const std::vector<R>& rows) {
    std::vector<u8> out(codec.size * rows.size()); // zeroed: unnamed bytes stay 0
    for (std::size_t i = 0; i < rows.size(); ++i)
        codec.writeAll(rows[i], out.data() + i * codec.size);
    return out;
}

template <class R>
std::vector<R> decodeRecords(const RecordCodec<R>& codec, std::span<const u8> data) {
    std::vector<R> rows;
    const std::size_t n = data.size() / codec.size;
    rows.reserve(n);
    for (std::size_t i = 0; i < n; ++i) rows.push_back(codec.decode(data.data() + i * codec.size));
    return rows;
}

} // namespace zs
