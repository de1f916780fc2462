#pragma once
// Placing the reader's large text buffer on huge pages. On a virtual machine the first touch of
// each 4 KiB page of fresh memory can cost more than parsing the bytes that fill it; a 2 MiB huge
// page is one fault. Hints only: where the system does not take them nothing changes.

#include <cstddef>

namespace tarnvel::richtext::detail {

// A capacity of at least `units` elements of `unit_size` bytes whose allocation, with the
// allocator's own header, fills whole 2 MiB, which lets the system align it to a huge page.
// Small buffers are left as asked.
std::size_t huge_page_capacity(std::size_t units, std::size_t unit_size);

// Asks for huge pages under [data, data + bytes), including the first one, which the allocator's
// header has already touched.
void prefer_huge_pages(const void* data, std::size_t bytes);

}  // namespace tarnvel::richtext::detail
