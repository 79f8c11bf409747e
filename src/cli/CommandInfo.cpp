// quintora-cli info FILE.qsy [--price EUROS]
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "core/Format.h"
#include "core/Money.h"

#include <iostream>
#include <sstream>

namespace quintora::cli {

namespace {

std::string numberList(NumberSet numbers) {
    std::string out;
    for (const int n : numbers) {
        out += (out.empty() ? "" : " ") + twoDigits(n);
    }
    return out.empty() ? "-" : out;
}

std::string countList(CountSet counts) {
    std::string out;
    for (int k = 0; k < CountSet::Limit; ++k) {
        if (counts.contains(k)) {
            out += " " + std::to_string(k);
        }
    }
    return out;
}

std::string onOff(bool on) {
    return on ? "ON" : "OFF";
}

void printConditions(std::ostream& out, const SystemState& s) {
    const auto& c = s.conditions;
    out << "Somma: " << onOff(c.sumOn()) << " (" << c.sumFrom << ".." << c.sumTo << ")\n";
    out << "Pari e Dispari: " << onOff(c.evenOddOn())
        << " (pari ammessi:" << countList(c.evenCounts()) << ")\n";
    out << "Fisse: " << onOff(c.fixedOn()) << " (" << numberList(c.fixed()) << ")\n";
    out << "Consecutivi: " << onOff(s.consecutive.on())
        << " (lunghezze:" << countList(s.consecutive.runs()) << ")\n";
    out << "Ridotto: " << onOff(c.reducedOn()) << " (N-" << int{c.reducedN} << ")\n";
    out << "Distanza Minima: " << onOff(s.minimumDistance.on()) << " ("
        << int{s.minimumDistance.minDistance} << ")\n";
    out << "Colonne Escluse: " << onOff(s.excluded.on()) << " (" << s.excluded.columns().size()
        << ")\n";
    out << "Colonne Filtro: " << s.filterCount << "\n";
}

} // namespace

int runInfo(const InfoArgs& args) {
    // The price of a column: --price, else the settings file's, else the default.
    const Cents price = args.price ? *args.price : userSettings().settings().pricePerColumn;
    const auto opened = openSystem(args.file, SystemNeed::Anything, price);
    if (!opened) {
        return ExitFailure;
    }
    const SystemDocument& document = *opened;
    const SystemState& s = document.state();
    std::ostringstream out;
    out << "Numeri in gioco [" << int{s.header.numberCount()}
        << "]: " << numberList(s.header.numbers()) << "\n";
    out << "Euro numeri: " << numberList(s.header.euros()) << "\n";
    // The rules the system needs: the Euro numbers a player must be allowed to choose.
    out << "Euro: 1-" << GameRules::neededFor(euroNumbers(s.header)).euroMax() << "\n";
    printConditions(out, s);
    out << "Colonne: " << formatCount(s.columnCount()) << "\n";
    out << "Importo: " << formatEuro(document.cost()) << "\n";
    out << "Tipo Sistema: " << (s.header.systemType.empty() ? "-" : s.header.systemType) << "\n";
    out << "Colonne Integrali: " << formatCount(integralSize(s.header.numberCount())) << "\n";
    std::cout << out.str();
    return ExitSuccess;
}

} // namespace quintora::cli
