// What the program says when the download of the operator's draw export fails.
#pragma once

#include <string>
#include <string_view>

namespace varion {

enum class LetoltesHiba {
    Kapcsolat,      // no server answered at the address
    Idotullepes,    // no data for the allowed time
    Korbeiranyitas, // too many redirects (a loop)
    HttpHiba,       // the server answered with an error status
    Hianyos,        // the connection ended before the whole file arrived
};

// `http` is the status of an HttpHiba; `cim` the address asked for.
std::string LetoltesHibaSzoveg(LetoltesHiba h, int http, std::string_view cim);

// A downloaded file the import refused: `ok` is the import's reason.
std::string LetoltottAllomanyHiba(int jatek, std::string_view ok);

} // namespace varion
