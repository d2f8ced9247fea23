#pragma once
// Answers every open and save dialog while it lives (Cancel unless a name is given) and keeps the requests.
#include "platform/Dialogs.h"
#include <utility>
#include <vector>

class FileDialogRecorder {
public:
    FileDialogRecorder();
    ~FileDialogRecorder();
    FileDialogRecorder(const FileDialogRecorder&) = delete;
    FileDialogRecorder& operator=(const FileDialogRecorder&) = delete;

    // The name the user "types" in every following dialog; an empty optional cancels.
    void choose(std::optional<QString> name) { FAnswer = std::move(name); }

    const std::vector<TFileDialogRequest>& requests() const { return FRequests; }

private:
    std::vector<TFileDialogRequest> FRequests;
    std::optional<QString> FAnswer;
};
