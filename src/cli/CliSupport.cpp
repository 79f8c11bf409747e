#include "cli/CliSupport.h"

#include "core/Development.h"
#include "files/SystemFile.h"

#include <algorithm>
#include <iostream>

namespace quintora::cli {

Result<ParsedArgs> parseArgs(const Args& args, std::initializer_list<const char*> valued) {
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string a = args[i] == "--output" ? "-o" : args[i];
        if (a.empty() || a[0] != '-') {
            parsed.files.push_back(a);
            continue;
        }
        if (std::none_of(valued.begin(), valued.end(), [&](const char* v) { return a == v; })) {
            return Error{"", "unknown option " + args[i]};
        }
        if (i + 1 >= args.size()) {
            return Error{"", args[i] + " needs a value"};
        }
        parsed.options[a] = args[++i];
    }
    return parsed;
}

bool openOrReport(SystemDocument& document, const std::string& path) {
    const auto opened = document.open(path);
    if (!opened) {
        fail(path + ": " + opened.error().message);
        return false;
    }
    for (const auto& w : opened.value()) {
        std::cerr << "quintora-cli: " << path << ": " << w << "\n";
    }
    return true;
}

bool saveOrReport(SystemDocument& document, const std::string& out) {
    if (const auto saved = document.saveAs(out); !saved) {
        fail((out.empty() ? std::string("-o") : out) + ": " + saved.error().message);
        return false;
    }
    return true;
}

void warnLimit(double limit) {
    auto text = limitWarningText(limit);
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::cerr << "quintora-cli: " << LimitWarningTitle << ": " << text << "\n";
}

} // namespace quintora::cli
