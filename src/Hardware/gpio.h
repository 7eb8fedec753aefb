#ifndef GPIO_H
#define GPIO_H

// The board's GPIO lines through sysfs ("/sys/class/gpio").
class Gpio
{
public:
    Gpio() = delete;

    // Exports and configures every line the program uses, in the board's order.
    static void init();
    static bool exportLine(unsigned gpio);
    static bool setDirection(unsigned gpio, int out);
    static bool setValue(unsigned gpio, int value);
    // True unless the value file reads "0"; false when it cannot be read
    // or is empty, so a missing line reads as inactive.
    static bool getValue(unsigned gpio);
};

#endif // GPIO_H
