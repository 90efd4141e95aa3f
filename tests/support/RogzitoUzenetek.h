// A message service for tests: records every message, answers questions from a script and
// fails the test on a message the script did not expect.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/Uzenetek.h"

namespace varion::teszt {

struct Uzenet {
    UzenetTipus Tipus;
    std::string Szoveg;
    bool operator==(const Uzenet&) const = default;
};

class RogzitoUzenetek : public Uzenetek {
public:
    ~RogzitoUzenetek() override;

    // The next message must be of this kind (and text, when given); questions get `valasz`.
    RogzitoUzenetek& Var(UzenetTipus tipus, std::string szoveg = {}, bool valasz = true);
    // Accept any message, answering questions with `valasz` (for flows the test does not
    // check message by message).
    void MindentElfogad(bool valasz = true) {
        mindent_ = true;
        alapValasz_ = valasz;
    }

    const std::vector<Uzenet>& Lathato() const { return lathato_; }
    std::vector<std::string> Szovegek() const;
    bool ElfogyottAForgatokonyv() const { return varhato_.empty(); }
    void Torles() { lathato_.clear(); }

protected:
    bool Megjelenit(UzenetTipus tipus, std::string_view szoveg) override;

private:
    struct Vart {
        UzenetTipus Tipus;
        std::string Szoveg;
        bool Valasz;
    };
    std::deque<Vart> varhato_;
    std::vector<Uzenet> lathato_;
    bool mindent_ = false;
    bool alapValasz_ = true;
};

} // namespace varion::teszt
