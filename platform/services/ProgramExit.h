#pragma once

// Ends the program.
class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    virtual void exit(int code = 0) = 0;
};

class ApplicationExit final : public ProgramExit {
public:
    void exit(int code) override;
};
