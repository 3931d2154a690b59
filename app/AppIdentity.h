#pragma once
// The application's name as the toolkit knows it. No display name is set:
// the toolkit would append it to every window title ("VTQX — ...").
void setApplicationIdentity();
