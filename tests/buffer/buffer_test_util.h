// A host-side byte buffer with its stream, released when the test is done with it.
#pragma once

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct HostBuffer {
    BACnetByteBuffer buffer{};
    BACnetByteStream stream{&buffer, 0};

    HostBuffer() = default;
    // Written one byte at a time: up to 64 bytes sit in a block of exactly 64.
    explicit HostBuffer(const Bytes& bytes)
    {
        for (uint8_t byte : bytes) bacnapi_write(byte, &stream);
    }
    HostBuffer(const HostBuffer&) = delete;
    HostBuffer& operator=(const HostBuffer&) = delete;
    ~HostBuffer() { bacnapi_free(buffer.data); }

    Bytes bytes() const { return buffer.data ? Bytes(buffer.data, buffer.data + buffer.length) : Bytes{}; }
    std::string text() const { return buffer.data ? std::string(reinterpret_cast<const char*>(buffer.data), buffer.length) : std::string{}; }
};
