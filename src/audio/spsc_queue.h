// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wait-free single-producer/single-consumer containers for talking to the
// audio callback: no locks, no allocation after construction, so the
// real-time side can never be made to wait by the other side.
#include <atomic>
#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>

namespace vs::audio {

// Keeps the two indices on separate cache lines so producer and consumer do
// not fight over one line on every operation.
inline constexpr std::size_t kCacheLine = 64;

// The audio callback is one end of every container here: its indices must
// never fall back to a lock.
static_assert(std::atomic<std::size_t>::is_always_lock_free);

// Fixed-size queue of trivially copyable items. `Capacity` must be a power of two.
template <typename T, std::size_t Capacity> class SpscQueue {
    static_assert((Capacity & (Capacity - 1)) == 0, "capacity must be a power of two");
    static_assert(std::is_trivially_copyable_v<T>);

public:
    // Producer thread only. False when full; the item is then not queued.
    bool push(const T& item) noexcept {
        const std::size_t w = write_.load(std::memory_order_relaxed);
        if (w - read_.load(std::memory_order_acquire) == Capacity) return false;
        items_[w & (Capacity - 1)] = item;
        write_.store(w + 1, std::memory_order_release);
        return true;
    }

    // Consumer thread only. False when empty.
    bool pop(T& item) noexcept {
        const std::size_t r = read_.load(std::memory_order_relaxed);
        if (r == write_.load(std::memory_order_acquire)) return false;
        item = items_[r & (Capacity - 1)];
        read_.store(r + 1, std::memory_order_release);
        return true;
    }

    // Either thread; a snapshot that may be stale by the time it is used.
    bool empty() const noexcept {
        return read_.load(std::memory_order_acquire) == write_.load(std::memory_order_acquire);
    }

private:
    alignas(kCacheLine) std::atomic<std::size_t> write_{0};
    alignas(kCacheLine) std::atomic<std::size_t> read_{0};
    alignas(kCacheLine) T items_[Capacity];
};

// Ring of samples moved in bulk (decoded audio between the decoder thread and
// the callback). Capacity is fixed at construction and rounded up to a power of two.
template <typename T> class SpscRing {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    explicit SpscRing(std::size_t minCapacity) {
        std::size_t c = 1;
        while (c < minCapacity)
            c <<= 1;
        capacity_ = c;
        data_ = std::make_unique<T[]>(c);
    }

    std::size_t capacity() const noexcept { return capacity_; }

    // Producer thread only: how much may be written now.
    std::size_t writeSpace() const noexcept {
        return capacity_ -
               (write_.load(std::memory_order_relaxed) - read_.load(std::memory_order_acquire));
    }

    // Consumer thread only: how much may be read now.
    std::size_t readAvailable() const noexcept {
        return write_.load(std::memory_order_acquire) - read_.load(std::memory_order_relaxed);
    }

    // Producer: copies up to n items, returns how many were taken.
    std::size_t write(const T* src, std::size_t n) noexcept {
        const std::size_t w = write_.load(std::memory_order_relaxed);
        const std::size_t space = capacity_ - (w - read_.load(std::memory_order_acquire));
        if (n > space) n = space;
        const std::size_t at = w & (capacity_ - 1);
        const std::size_t first = n < capacity_ - at ? n : capacity_ - at;
        for (std::size_t i = 0; i < first; ++i)
            data_[at + i] = src[i];
        for (std::size_t i = first; i < n; ++i)
            data_[i - first] = src[i];
        write_.store(w + n, std::memory_order_release);
        return n;
    }

    // Consumer: copies up to n items out, returns how many were read.
    std::size_t read(T* dst, std::size_t n) noexcept {
        const std::size_t r = read_.load(std::memory_order_relaxed);
        const std::size_t avail = write_.load(std::memory_order_acquire) - r;
        if (n > avail) n = avail;
        const std::size_t at = r & (capacity_ - 1);
        const std::size_t first = n < capacity_ - at ? n : capacity_ - at;
        for (std::size_t i = 0; i < first; ++i)
            dst[i] = data_[at + i];
        for (std::size_t i = first; i < n; ++i)
            dst[i] = data_[i - first];
        read_.store(r + n, std::memory_order_release);
        return n;
    }

private:
    alignas(kCacheLine) std::atomic<std::size_t> write_{0};
    alignas(kCacheLine) std::atomic<std::size_t> read_{0};
    std::size_t capacity_ = 0;
    std::unique_ptr<T[]> data_;
};

} // namespace vs::audio
