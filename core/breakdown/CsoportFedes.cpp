#include "breakdown/CsoportFedes.h"

#include <algorithm>
#include <bit>

#include "breakdown/FedoRendszer.h"

namespace varion {

std::vector<std::vector<int>> CsoportFelosztasok(int n, int k, int hibapont) {
    const int t = k - hibapont;
    std::vector<std::vector<int>> ki;
    if (t < 2 || n <= k) return ki;
    const int legtobb = std::min((k - 1) / (t - 1), n);
    // Two groups: the designs do not grow evenly with their size, so a split one off the
    // middle can be the better one (9 + 11 before 10 + 10 for 5 of 20: 12 + 20 rows
    // against 17 + 17).
    if (legtobb >= 2)
        for (int a = std::max(1, n / 2 - 1); a <= n / 2; ++a) ki.push_back({a, n - a});
    for (int m = 3; m <= legtobb; ++m) {
        std::vector<int> meretek;
        for (int i = 0; i < m; ++i) meretek.push_back(n / m + (i < n % m ? 1 : 0));
        ki.push_back(std::move(meretek));
    }
    std::erase_if(ki, [&](const std::vector<int>& f) {
        return std::ranges::any_of(f,
                                   [&](int g) { return g > k && !FedoRendszerElerheto(g, k, t); });
    });
    return ki;
}

std::vector<int> TervezendoMeretek(const std::vector<std::vector<int>>& felosztasok, int k) {
    std::vector<int> ki;
    for (const auto& f : felosztasok)
        for (const int g : f)
            if (g > k) ki.push_back(g);
    std::ranges::sort(ki);
    ki.erase(std::unique(ki.begin(), ki.end()), ki.end());
    return ki;
}

std::vector<SorMaszk>
CsoportFedes(const std::vector<int>& meretek, int k, int hibapont,
             const std::function<const std::vector<std::uint64_t>&(int)>& terv) {
    const int t = k - hibapont;
    int n = 0;
    for (const int g : meretek) n += g;
    std::vector<SorMaszk> ki;
    int eleje = 0;
    for (const int g : meretek) {
        if (g > k) {
            const std::vector<std::uint64_t>& sorok = terv(g);
            if (sorok.empty()) return {};
            for (std::uint64_t s : sorok) {
                SorMaszk m;
                for (; s != 0; s &= s - 1) Beallit(m, eleje + std::countr_zero(s));
                ki.push_back(m);
            }
        } else if (g >= t) {
            // The whole group in one row, filled up with the numbers after it (wrapping).
            SorMaszk m;
            for (int i = 0; i < k; ++i) Beallit(m, (eleje + i) % n);
            ki.push_back(m);
        }
        eleje += g;
    }
    return ki;
}

} // namespace varion
