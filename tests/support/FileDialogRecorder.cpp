#include "support/FileDialogRecorder.h"

FileDialogRecorder::FileDialogRecorder()
{
    SetFileDialogHook([this](const TFileDialogRequest& r) {
        FRequests.push_back(r);
        return FAnswer;
    });
}

FileDialogRecorder::~FileDialogRecorder()
{
    SetFileDialogHook({});
}
