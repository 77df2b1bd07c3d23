#include "movers/files/descriptor.h"

#include <gtest/gtest.h>

#include <utility>

#include <fcntl.h>

// Only the last owner closes: an owner it was moved away from never does, and an owner that
// takes another descriptor closes the one it held.
TEST(Descriptor, IsClosedByItsLastOwnerOnlyAndNeverInherited) {
    const auto openDevNull = [] {
        return Descriptor::open(AT_FDCWD, "/dev/null", O_RDONLY);
    };
    Descriptor owner = openDevNull();
    const int number = owner.get();
    {
        Descriptor moved(std::move(owner));
        owner = std::move(moved);
    }
    EXPECT_EQ(::fcntl(number, F_GETFD), FD_CLOEXEC) << "open, and closed on exec";
    owner = openDevNull();
    EXPECT_EQ(::fcntl(number, F_GETFD), -1) << "closed by the owner that took another";
}
