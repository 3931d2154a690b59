#pragma once
// The application's name and version as the toolkit knows them. No display name is set:
// the toolkit would append it to every window title ("VTQX — ...").
void setApplicationIdentity();
