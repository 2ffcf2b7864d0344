#pragma once

// Makes the real transfer tasks: runs of /usr/bin/curl.

#include "comm/TransferTask.h"

namespace tavrel {

class CurlTransferFactory : public TransferFactory
{
public:
    std::unique_ptr<Transfer> create() override { return std::make_unique<TransferTask>(); }
};

} // namespace tavrel
