#include "ByteBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>
#include <utility>

namespace {

// From this size on a block is mapped on its own, at a huge-page boundary.
constexpr qsizetype kHugePage = 2 << 20;

qsizetype roundedUp(qsizetype bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

} // namespace

ByteBuffer::ByteBuffer(const ByteBuffer& other) {
    reserve(other.m_size);
    if (other.m_size > 0)
        std::memcpy(m_data, other.m_data, std::size_t(other.m_size));
    m_size = other.m_size;
}

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_capacity(std::exchange(other.m_capacity, 0)) {}

ByteBuffer& ByteBuffer::operator=(ByteBuffer other) noexcept {
    std::swap(m_data, other.m_data);
    std::swap(m_size, other.m_size);
    std::swap(m_capacity, other.m_capacity);
    return *this;
}

ByteBuffer::~ByteBuffer() {
    release(m_data, m_capacity);
}

char* ByteBuffer::allocate(qsizetype capacity) {
    if (capacity < kHugePage) {
        void* block = std::malloc(std::size_t(capacity));
        if (!block)
            throw std::bad_alloc();
        return static_cast<char*>(block);
    }
    // Mapped one huge page larger than asked, then cut to the boundary. Only the pages written to
    // take memory, so room reserved for the most a list could hold costs nothing until used.
    const std::size_t mapped = std::size_t(capacity + kHugePage);
    void* block =
        ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start)
        ::munmap(block, aligned - start);
    const std::uintptr_t end = start + mapped;
    if (end > aligned + std::uintptr_t(capacity))
        ::munmap(reinterpret_cast<void*>(aligned + capacity), end - aligned - capacity);
    ::madvise(reinterpret_cast<void*>(aligned), std::size_t(capacity), MADV_HUGEPAGE);
    return reinterpret_cast<char*>(aligned);
}

void ByteBuffer::release(char* data, qsizetype capacity) {
    if (!data)
        return;
    if (capacity < kHugePage)
        std::free(data);
    else
        ::munmap(data, std::size_t(capacity));
}

void ByteBuffer::reserve(qsizetype capacity) {
    if (capacity <= m_capacity)
        return;
    if (capacity >= kHugePage)
        capacity = roundedUp(capacity);
    char* data = allocate(capacity);
    if (m_size > 0)
        std::memcpy(data, m_data, std::size_t(m_size));
    release(m_data, m_capacity);
    m_data = data;
    m_capacity = capacity;
}

char* ByteBuffer::grow(qsizetype length) {
    if (m_size + length > m_capacity)
        reserve(std::max({m_size + length, 2 * m_capacity, qsizetype(4096)}));
    char* start = m_data + m_size;
    m_size += length;
    return start;
}
