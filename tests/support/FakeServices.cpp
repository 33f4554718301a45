#include "FakeServices.h"

namespace testsupport {

namespace {

std::optional<platform::FileChoice> next(std::deque<std::optional<platform::FileChoice>>& answers)
{
    if (answers.empty())
        return std::nullopt;
    const bool chosen = answers.front().has_value();
    platform::FileChoice choice = chosen ? *answers.front() : platform::FileChoice{};
    answers.pop_front();
    if (!chosen)
        return std::nullopt;
    return choice;
}

}  // namespace

void FakeFileDialogs::choose(const QString& path)
{
    answers.push_back(platform::FileChoice{path, path.mid(path.lastIndexOf(QLatin1Char('/')) + 1)});
}

std::optional<platform::FileChoice> FakeFileDialogs::openFile(const QString& title, const QString& filter,
                                                               const QString& initialFolder)
{
    titles << title;
    filters << filter;
    initialFolders << initialFolder;
    return next(answers);
}

std::optional<platform::FileChoice> FakeFileDialogs::saveFile(const QString& title, const QString& filter,
                                                               const QString& initialFolder)
{
    titles << title;
    filters << filter;
    initialFolders << initialFolder;
    return next(answers);
}

}  // namespace testsupport
