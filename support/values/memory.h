// Memory blocks of the runtime: every block the value support keeps comes from here, so that tests can make the
// allocator refuse and reach the out-of-memory paths.
#pragma once

#include <cstddef>

namespace memory {

// A zero-filled block, or nullptr when memory is refused.
void* Allocate(std::size_t bytes);
// The same request for a block whose bytes are all written before they are read: nothing is filled.
void* AllocateUnfilled(std::size_t bytes);
// Grows or shrinks a block (possibly moving it); nullptr when refused, the old block then stays valid.
void* Resize(void* block, std::size_t bytes);
void Free(void* block);

// A block that comes and goes many times a second (the argument area, with every call that makes a record) is put
// aside when freed and handed out again at its next request. The counters and the refusal controls see a request
// and a free as ever; only the system's allocator is spared. `kept` holds the block put aside.
void* AllocateReusable(std::size_t bytes, void*& kept);
void FreeReusable(void* block, void*& kept);
// Gives the block put aside back to the system (the end of a run).
void DropKept(void*& kept);

// Refusal controls. Refusing after n allows n more requests, then refuses every one until StopRefusing.
void RefuseAfter(std::size_t requests);
// Refuses every request for more than the given number of bytes.
void RefuseAbove(std::size_t bytes);
void StopRefusing();

// Counters for observing allocations: requests granted so far and blocks currently live.
std::size_t GrantedRequests();
std::size_t LiveBlocks();

}  // namespace memory
