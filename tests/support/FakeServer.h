#pragma once

#include "files/FileIo.h"
#include "update/ServerUpdates.h"

#include <map>
#include <memory>
#include <string>

namespace quintora::test {

// A download that answers from a table of URLs instead of the network: a URL not in the
// table fails as a 404 would. Tests change `files` between calls.
struct FakeServer {
    std::shared_ptr<std::map<std::string, std::string>> files =
        std::make_shared<std::map<std::string, std::string>>();
    std::shared_ptr<std::vector<std::string>> asked = std::make_shared<std::vector<std::string>>();

    Download download() const {
        return [files = files, asked = asked](const std::string& url,
                                              const std::string& target) -> Status {
            asked->push_back(url);
            const auto found = files->find(url);
            if (found == files->end()) {
                return Error{"", url + ": 404"};
            }
            return writeFileAtomically(target, found->second);
        };
    }
};

} // namespace quintora::test
