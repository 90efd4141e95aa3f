// Messages of the core on the console: every text goes to stderr, questions are answered
// with a fixed answer (the command line asks nobody).
#pragma once

#include <iostream>

#include "base/Uzenetek.h"

namespace varion::cli {

class KonzolUzenetek : public Uzenetek {
public:
    explicit KonzolUzenetek(bool valasz = true) : valasz_(valasz) {}

protected:
    bool Megjelenit(UzenetTipus, std::string_view szoveg) override {
        std::cerr << SortoresekCsereje(szoveg) << '\n';
        return valasz_;
    }

private:
    bool valasz_;
};

} // namespace varion::cli
