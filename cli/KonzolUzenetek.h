// Messages of the core on the console: every text goes to stderr in one line, questions are
// answered with a fixed answer (the command line asks nobody).
#pragma once

#include <iostream>

#include "Argumentumok.h"
#include "base/Uzenetek.h"

namespace varion::cli {

class KonzolUzenetek : public Uzenetek {
public:
    explicit KonzolUzenetek(bool valasz = true) : valasz_(valasz) {}

protected:
    bool Megjelenit(UzenetTipus, std::string_view szoveg) override {
        std::cerr << "varion-cli: " << EgySorban(szoveg) << '\n';
        return valasz_;
    }

private:
    bool valasz_;
};

} // namespace varion::cli
