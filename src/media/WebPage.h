#pragma once

class QString;

// Opens a web address in the user's browser; returns whether one was started.
bool OpenWebPage(const QString& address);
