#pragma once

#include <string>
#include <string_view>

namespace quintora {

// The words a system type is made of. A system file always stores the type in the program's
// own words (these defaults); the screen and the prints show it in the chosen language's.
struct SystemTypeWords {
    std::string integral = "Integrale";
    std::string conditioned = "Condizionato";
    std::string reduced = "Ridotto";
    std::string minimumDistance = "Distanza Minima";
    std::string matrix = "Matrice";
    std::string reducedMatrix = "Matrice Ridotta";
    std::string textFile = "FILE TXT";
};

// A stored type ("Ridotto N-4 Condizionato - ***", "Matrice Ridotta N-3") with each of the
// program's words replaced by `words`; numbers, marks and anything unknown stay as they are.
std::string shownSystemType(std::string_view stored, const SystemTypeWords& words);

} // namespace quintora
