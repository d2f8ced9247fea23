#pragma once
// A toolkit set: one bit per ordinal of its enumeration (at most 32 members).
#include <cstdint>
#include <initializer_list>

template <typename E>
class TEnumSet {
public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<E> items)
    {
        for (E e : items)
            FBits |= Bit(e);
    }
    constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
    constexpr TEnumSet& Include(E e) { FBits |= Bit(e); return *this; }
    constexpr TEnumSet& Exclude(E e) { FBits &= ~Bit(e); return *this; }
    constexpr bool IsEmpty() const { return FBits == 0; }
    constexpr std::uint32_t Bits() const { return FBits; }
    friend constexpr bool operator==(TEnumSet, TEnumSet) = default;

private:
    static constexpr std::uint32_t Bit(E e) { return std::uint32_t(1) << static_cast<unsigned>(e); }
    std::uint32_t FBits = 0;
};
