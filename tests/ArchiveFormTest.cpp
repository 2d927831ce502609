#include <gtest/gtest.h>

#include "Platform/CArchive.h"

TEST(ArchiveForm, Placeholder) {
    CArchive ar;
    ar.WriteInt32(1);
    EXPECT_EQ(ar.GetBuffer().size(), 4u);
}
