#include <iostream>

int main()
{
    std::cout << "morvik-cli\n";
    return 0;
}
