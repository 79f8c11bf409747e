// quintora-cli info FILE.qsy
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "core/Format.h"
#include "files/SystemFile.h"

#include <iostream>
#include <sstream>

namespace quintora::cli {

namespace {

std::string numberList(std::span<const std::uint8_t> numbers) {
    std::string out;
    for (auto n : numbers) {
        out += (out.empty() ? "" : " ") + twoDigits(n);
    }
    return out.empty() ? "-" : out;
}

std::string onOff(Flag f) {
    return isOn(f) ? "ON" : "OFF";
}

void printConditions(std::ostream& out, const SystemState& s) {
    const auto& c = s.conditions;
    out << "Somma: " << onOff(c.sumActive) << " (" << c.sumFrom << ".." << c.sumTo << ")\n";
    out << "Pari e Dispari: " << onOff(c.evenOddActive) << " (pari ammessi:";
    for (int e = 0; e < 6; ++e) {
        if (isOn(c.evenCountAllowed[e])) {
            out << " " << e;
        }
    }
    out << ")\n";
    out << "Fisse: " << onOff(c.fixedActive) << " (";
    std::string fixed;
    for (int n = 1; n <= MainNumberCount; ++n) {
        if (c.fixedNumbers[n - 1] == 1) {
            fixed += (fixed.empty() ? "" : " ") + twoDigits(n);
        }
    }
    out << (fixed.empty() ? "-" : fixed) << ")\n";
    out << "Consecutivi: " << onOff(s.consecutive.consecutiveActive) << " (lunghezze:";
    for (int k = 1; k <= 5; ++k) {
        if (s.consecutive.allowedRuns & (1 << k)) {
            out << " " << k;
        }
    }
    out << ")\n";
    out << "Ridotto: " << onOff(c.reducedActive) << " (N-" << int{c.reducedN} << ")\n";
    out << "Distanza Minima: " << onOff(s.minimumDistance.minDistanceActive) << " ("
        << int{s.minimumDistance.minDistance} << ")\n";
    out << "Colonne Escluse: " << onOff(s.excluded.excludedActive) << " ("
        << s.excluded.excludedCount << ")\n";
    out << "Colonne Filtro: " << s.filterCount << "\n";
}

} // namespace

int runInfo(const Args& args) {
    const auto& self = commandNamed("info");
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        return usageError(self, "one system file is needed");
    }
    const auto read = readSystemOrReport(args[0]);
    if (!read) {
        return ExitFailure;
    }
    const SystemState& s = *read;
    std::ostringstream out;
    out << "Numeri in gioco [" << int{s.header.numbersInPlayCount}
        << "]: " << numberList(numbersInPlay(s.header)) << "\n";
    out << "Euro numeri: " << numberList(euroNumbers(s.header)) << "\n";
    printConditions(out, s);
    out << "Colonne: " << formatCount(s.columnCount()) << "\n";
    out << "Tipo Sistema: " << (s.header.systemType.empty() ? "-" : s.header.systemType) << "\n";
    out << "Colonne Integrali: " << formatCount(integralSize(s.header.numbersInPlayCount)) << "\n";
    std::cout << out.str();
    return ExitSuccess;
}

} // namespace quintora::cli
