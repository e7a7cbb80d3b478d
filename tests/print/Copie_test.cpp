#include "print/DialogoStampa.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

// A number of copies that rounds to none is refused like 0.
TEST(Copie, QuelleCheNonDannoNessunaCopiaSonoRifiutate)
{
    for (const auto& [testo, copie] :
         {std::pair<const char*, std::optional<int>>{"0.4", std::nullopt}, {"0.5", std::nullopt}, {"0.51", 1}})
        EXPECT_EQ(LeggiCopie(testo), copie) << testo;
}

} // namespace
} // namespace vellora
