// Only one Varion runs at a time: a lock file in the user's runtime directory. A lock left
// behind by a crashed run is taken over.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace varion::ui {

// The held lock, or nullptr while another running instance holds it.
std::unique_ptr<QLockFile> EgyPeldanyZar(const QString& zarFajl);
QString AlapZarFajl();

inline constexpr char MarFutSzoveg[] = "Már fut egy példánya a Varion programnak!";

} // namespace varion::ui
