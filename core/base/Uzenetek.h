// The program's message kinds. Every message a rule produces goes through one of these
// functions; the desktop shows them as modal boxes, tests record them, the command line
// prints them. Two settings silence kinds: `Jovahagyas` (confirmations) and `Inform`
// (useful information); both are on until the settings file is read.
#pragma once

#include <string>
#include <string_view>

namespace varion {

enum class UzenetTipus {
    HibaUzenet,
    HibaKerdes,
    ParameterHiba,
    FigyelmeztetoKerdes,
    Figyelmeztetes,
    JovahagyasKeres,
    JovahagyasMindig,
    Informacio,
    HasznosInfo,
    PluszSzamInfo,
};

enum class UzenetIkon { Hiba, Figyelmeztetes, Kerdes, Informacio };

// How one kind looks: caption, icon, and Yes/No (default No) instead of OK.
struct UzenetForma {
    std::string_view Felirat;
    UzenetIkon Ikon;
    bool IgenNem;
};

const UzenetForma& UzenetFormaja(UzenetTipus tipus);
std::string_view UzenetTipusNev(UzenetTipus tipus);

inline constexpr std::string_view ParameterHibaSzoveg =
    "  Érvénytelen paraméter!      \r\rA program kijavítja a hibát.";
inline constexpr std::string_view PluszSzamInfoSzoveg =
    "Plusz szám kijejölése/törlése:\r\rTartsa lenyomva a SHIFT billentyűt,\rmajd klikkeljen a "
    "választott számra.\r\rKérem, először a plusz számot jelölje ki!\r\r(2007. 30. játékhetétől "
    "nem húznak\rplusz számot a Hatoslottón.)";

class Uzenetek {
public:
    virtual ~Uzenetek() = default;

    void HibaUzenet(std::string_view szoveg) { Megjelenit(UzenetTipus::HibaUzenet, szoveg); }
    bool HibaKerdes(std::string_view szoveg) { return Megjelenit(UzenetTipus::HibaKerdes, szoveg); }
    void ParameterHiba() { Megjelenit(UzenetTipus::ParameterHiba, ParameterHibaSzoveg); }
    bool FigyelmeztetoKerdes(std::string_view szoveg) {
        return Megjelenit(UzenetTipus::FigyelmeztetoKerdes, szoveg);
    }
    void Figyelmeztetes(std::string_view szoveg) {
        Megjelenit(UzenetTipus::Figyelmeztetes, szoveg);
    }
    // Yes without asking while confirmations are switched off.
    bool JovahagyasKeres(std::string_view szoveg);
    bool JovahagyasMindig(std::string_view szoveg) {
        return Megjelenit(UzenetTipus::JovahagyasMindig, szoveg);
    }
    void Informacio(std::string_view szoveg) { Megjelenit(UzenetTipus::Informacio, szoveg); }
    // Nothing shown while useful information is switched off.
    void HasznosInfo(std::string_view szoveg);
    void PluszSzamInfo();

    bool Jovahagyas = true;
    bool Inform = true;

protected:
    // Shows one message of the kind and returns the answer (true for Yes; OK boxes return
    // true). "\r" in the text is a line break; blanks at either end are part of the text.
    virtual bool Megjelenit(UzenetTipus tipus, std::string_view szoveg) = 0;
};

// "\r" line breaks as "\n", for shown texts.
std::string SortoresekCsereje(std::string_view szoveg);

} // namespace varion
