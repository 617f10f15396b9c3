"""The head office FTP server for the client's tests: pyftpdlib with the user vry /
kqz, whose root holds /home/qalmotor/vry. Listens on a free port of 127.0.0.1, prints
"PORT <n>" on stdout once it accepts connections, and appends every command it
receives, one a line, to the log file.

Options make the failures the tests need:
  --refuse-greeting   greet with 421 and close
  --no-base           no /home/qalmotor/vry
  --deny-make         folders cannot be made in /home/qalmotor/vry
  --read-only DIR     DIR (below the base folder, made here) refuses uploads
"""
import argparse
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

BASE = os.path.join("home", "qalmotor", "vry")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--refuse-greeting", action="store_true")
    parser.add_argument("--no-base", action="store_true")
    parser.add_argument("--deny-make", action="store_true")
    parser.add_argument("--read-only")
    args = parser.parse_args()

    root = os.path.realpath(args.root)
    base = os.path.join(root, BASE)
    if not args.no_base:
        os.makedirs(base, exist_ok=True)

    authorizer = DummyAuthorizer()
    authorizer.add_user("vry", "kqz", root, perm="elradfmw")
    if args.deny_make:
        authorizer.override_perm("vry", base, "elrw", recursive=False)
    if args.read_only:
        folder = os.path.join(base, args.read_only)
        os.makedirs(folder, exist_ok=True)
        authorizer.override_perm("vry", folder, "elr", recursive=True)

    log = open(args.log, "a", buffering=1)

    class Handler(FTPHandler):
        auth_failed_timeout = 0.05

        def handle(self):
            if args.refuse_greeting:
                self.respond("421 Service not available, closing control connection.")
                self.close_when_done()
                return
            super().handle()

        def pre_process_command(self, line, cmd, arg):
            log.write(line + "\n")
            super().pre_process_command(line, cmd, arg)

    Handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), Handler)
    print("PORT %d" % server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
