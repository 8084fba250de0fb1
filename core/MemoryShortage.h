#pragma once

#include <new>

// Lets a test run the register out of memory at one place of its work: the
// next time the work passes that place, it throws std::bad_alloc as a failed
// allocation there would. Where no test set a place, passing costs one
// comparison.
class MemoryShortage
{
public:
    enum Place {
        Nowhere,
        // Reading a file's bytes (the second half's thread).
        FileBytes,
        // Making items of a file's lines (each half).
        FileLines,
        // Making the lines of a save (each run).
        SaveLines,
    };

    static void setPlace(Place place) { s_place = place; }
    static void pass(Place place)
    {
        if (s_place == place) [[unlikely]]
            throw std::bad_alloc();
    }

private:
    static inline Place s_place = Nowhere;
};
