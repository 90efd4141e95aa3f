#include "support/RogzitoUzenetek.h"

#include <gtest/gtest.h>

namespace varion::teszt {

RogzitoUzenetek::~RogzitoUzenetek() {
    for (const auto& v : varhato_)
        ADD_FAILURE() << "expected message never shown: " << UzenetTipusNev(v.Tipus) << " \""
                      << v.Szoveg << "\"";
}

RogzitoUzenetek& RogzitoUzenetek::Var(UzenetTipus tipus, std::string szoveg, bool valasz) {
    varhato_.push_back({tipus, std::move(szoveg), valasz});
    return *this;
}

std::vector<std::string> RogzitoUzenetek::Szovegek() const {
    std::vector<std::string> ki;
    for (const auto& u : lathato_) ki.push_back(u.Szoveg);
    return ki;
}

bool RogzitoUzenetek::Megjelenit(UzenetTipus tipus, std::string_view szoveg) {
    lathato_.push_back({tipus, std::string(szoveg)});
    if (!varhato_.empty()) {
        const Vart v = varhato_.front();
        varhato_.pop_front();
        EXPECT_EQ(UzenetTipusNev(tipus), UzenetTipusNev(v.Tipus))
            << "message: \"" << szoveg << "\"";
        if (!v.Szoveg.empty()) {
            EXPECT_EQ(szoveg, v.Szoveg);
        }
        return v.Valasz;
    }
    if (!mindent_) {
        ADD_FAILURE() << "unexpected message: " << UzenetTipusNev(tipus) << " \"" << szoveg << "\"";
    }
    return alapValasz_;
}

} // namespace varion::teszt
