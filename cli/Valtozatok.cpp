#include "Valtozatok.h"

#include <iostream>
#include <string>

namespace varion::cli {

void ValtozatokKiirasa(const SzamsorAdatok& sor, const BontasNezet& bontas) {
    std::string ki;
    for (int r = 0; r < bontas.Sorok(); ++r) {
        const auto v = BontasValtozat(sor, bontas, r);
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (i > 0) ki += ' ';
            ki += std::to_string(v[i]);
        }
        ki += '\n';
        if (ki.size() > (1u << 16)) {
            std::cout << ki;
            ki.clear();
        }
    }
    std::cout << ki;
}

} // namespace varion::cli
