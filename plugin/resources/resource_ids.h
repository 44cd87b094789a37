// Ids of the module's resources, shared by the resource script and the code.
#pragma once

#define kPluginPropertyListId 16000
#define kAboutDialogResource 16050
#define kErrorDialogResource 16051
#define kParamsDialogResource 16100
