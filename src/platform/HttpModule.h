#pragma once
// The HTTP module: the one library that links Qt Network, loaded from the program's folder on the first
// request, so that starting the program does not load the network stack.
#include "platform/Http.h"

constexpr const char* Http_Module_Name = "vx_http";
constexpr const char* Http_Module_Get = "VxHttpGet";

// The module's entry point (C linkage): true with the answer's body in Body, false when the request failed.
using THttpModuleGet = bool (*)(const QUrl* Url, const THttpHeaders* Headers, int TimeoutMs, QByteArray* Body);

// The entry point of the module at Path, or null when it cannot be loaded or does not have one.
THttpModuleGet LoadHttpModule(const QString& Path);
