#pragma once

#include <QtGlobal>

// A growing block of bytes for the text of long lists and grids. A large block is asked of the
// system directly, in huge pages where the system offers them: putting tens of megabytes of text
// into fresh memory one small page at a time costs more than reading the archive it comes from.
class ByteBuffer {
public:
    ByteBuffer() = default;
    ByteBuffer(const ByteBuffer& other);
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer other) noexcept;
    ~ByteBuffer();

    char* data() { return m_data; }
    const char* data() const { return m_data; }
    qsizetype size() const { return m_size; }
    // Room for `capacity` bytes in all, the contents kept.
    void reserve(qsizetype capacity);
    // `length` more bytes at the end, left for the caller to write; where they start.
    char* grow(qsizetype length);
    // The last `length` bytes dropped.
    void shrink(qsizetype length) { m_size -= length; }
    // Empty again, keeping its memory for what comes next.
    void clear() { m_size = 0; }

private:
    static char* allocate(qsizetype capacity);
    static void release(char* data, qsizetype capacity);

    char* m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
};
