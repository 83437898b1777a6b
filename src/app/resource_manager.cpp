// Construction and destruction of the resource manager.
#include "app/resource_manager.h"

CResourceManager::CResourceManager() = default;

CResourceManager::~CResourceManager()
{
    // Buffers go before the device they were made on.
    ReleaseSoundBuffers();
    if (mSoundDevice)
        mSoundDevice->Release();
    mSoundDevice = nullptr;
}

// Set by the start-up sequence.
CResourceManager* gResourceManager = nullptr;
