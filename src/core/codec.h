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
    void (*read)(R&, const u8* at);  // null for bytes nobody reads (the link word)
    void (*write)(const R&, u8* at); // null for bytes written as zero
};

template <class R> struct RecordCodec {
    std::size_t size;
    std::vector<FieldCodec<R>> fields;

    void encode(const R& r, u8* out) const {
        std::memset(out, 0, size);
        for (const auto& f : fields)
            if (f.write) f.write(r, out + f.offset);
    }
    // Reads onto r, so fields the table does not name keep r's values.
    void decodeInto(const u8* in, R& r) const {
        for (const auto& f : fields)
            if (f.read) f.read(r, in + f.offset);
    }
    // Reads only the fields that lie wholly within the first `length` bytes.
    void decodePrefixInto(const u8* in, std::size_t length, R& r) const {
        for (const auto& f : fields)
            if (f.read && f.offset + f.size <= length) f.read(r, in + f.offset);
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

template <auto M> FieldCodec<RecordOf<M>> byte(std::size_t offset) {
    using R = RecordOf<M>;
    return {offset, 1, [](R& r, const u8* at) { r.*M = at[0]; },
            [](const R& r, u8* at) { at[0] = r.*M; }};
}

// A std::array of bytes, or of planes (arrays of bytes), laid out contiguously.
template <auto M> FieldCodec<RecordOf<M>> bytes(std::size_t offset) {
    using R = RecordOf<M>;
    using F = FieldOf<M>;
    static_assert(sizeof(F) == std::tuple_size_v<F> * sizeof(typename F::value_type));
    return {offset, sizeof(F), [](R& r, const u8* at) { std::memcpy(&(r.*M), at, sizeof(F)); },
            [](const R& r, u8* at) { std::memcpy(at, &(r.*M), sizeof(F)); }};
}

template <auto M, std::size_t Capacity> FieldCodec<RecordOf<M>> text(std::size_t offset) {
    using R = RecordOf<M>;
    return {offset, Capacity + 1, [](R& r, const u8* at) { readText(r.*M, at, Capacity); },
            [](const R& r, u8* at) { writeText(r.*M, at, Capacity); }};
}

// Count consecutive texts of one capacity (an array of strings).
template <auto M, std::size_t Capacity> FieldCodec<RecordOf<M>> texts(std::size_t offset) {
    using R = RecordOf<M>;
    constexpr std::size_t n = std::tuple_size_v<FieldOf<M>>;
    return {offset, n * (Capacity + 1),
            [](R& r, const u8* at) {
                for (std::size_t i = 0; i < n; ++i) readText((r.*M)[i], at + i * (Capacity + 1), Capacity);
            },
            [](const R& r, u8* at) {
                for (std::size_t i = 0; i < n; ++i) writeText((r.*M)[i], at + i * (Capacity + 1), Capacity);
            }};
}

// A 32-bit signed little-endian integer.
template <auto M> FieldCodec<RecordOf<M>> int32(std::size_t offset) {
    using R = RecordOf<M>;
    return {offset, 4,
            [](R& r, const u8* at) {
                r.*M = static_cast<std::int32_t>(std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 |
                                                 std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24);
            },
            [](const R& r, u8* at) {
                const auto v = static_cast<std::uint32_t>(r.*M);
                for (int k = 0; k < 4; ++k) at[k] = static_cast<u8>(v >> (8 * k));
            }};
}

// Bytes that are neither read nor kept (the link word of the timetable records).
template <class R> FieldCodec<R> ignored(std::size_t offset, std::size_t size) {
    return {offset, size, nullptr, nullptr};
}

} // namespace field

// Whole files: records back to back; an incomplete last record is dropped.
template <class R> std::vector<u8> encodeRecords(const RecordCodec<R>& codec, const std::vector<R>& rows) {
    std::vector<u8> out(codec.size * rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) codec.encode(rows[i], out.data() + i * codec.size);
    return out;
}

template <class R> std::vector<R> decodeRecords(const RecordCodec<R>& codec, std::span<const u8> data) {
    std::vector<R> rows;
    const std::size_t n = data.size() / codec.size;
    rows.reserve(n);
    for (std::size_t i = 0; i < n; ++i) rows.push_back(codec.decode(data.data() + i * codec.size));
    return rows;
}

} // namespace zs
