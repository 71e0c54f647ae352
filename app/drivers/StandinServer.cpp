// Serves the map library stand-in on loopback for the run command: prints the
// proxy address to give the program as http_proxy, then serves until its
// standard input closes.
#include "platform/web/testing/MapStandinServer.h"

#include <iostream>
#include <string>

int main()
{
    try {
        web::testing::MapStandinServer standin;
        std::cout << "http://127.0.0.1:" << standin.Server().Port() << std::endl;
        std::string line;
        while (std::getline(std::cin, line)) {
        }
    } catch (const std::exception& e) {
        std::cerr << "standin: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
