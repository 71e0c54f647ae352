"""The run command's stand-in server: it serves the map library itself and
fetches every other request the program sends through it from the network."""
import http.server
import os
import subprocess
import sys
import tempfile
import threading
import urllib.error
import urllib.request

server_program = sys.argv[1]

folder = tempfile.mkdtemp()
with open(os.path.join(folder, "reply.xml"), "w") as f:
    f.write("<GeocodeResponse><status>OK</status></GeocodeResponse>")


class Quiet(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=folder, **kwargs)

    def log_message(self, *args):
        pass


service = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Quiet)
threading.Thread(target=service.serve_forever, daemon=True).start()
service_url = "http://127.0.0.1:%d" % service.server_address[1]

standin = subprocess.Popen([server_program], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
proxy = standin.stdout.readline().strip()
opener = urllib.request.build_opener(urllib.request.ProxyHandler({"http": proxy}))


def fetch(url):
    try:
        with opener.open(url, timeout=20) as reply:
            return reply.status, reply.read().decode()
    except urllib.error.HTTPError as error:
        return error.code, ""


try:
    status, body = fetch("http://maps.googleapis.com/maps/api/js?sensor=false")
    assert status == 200 and "stand-in" in body, (status, body[:80])
    status, body = fetch(service_url + "/reply.xml")
    assert status == 200 and "<status>OK</status>" in body, (status, body)
    status, _ = fetch(service_url + "/missing.xml")
    assert status == 404, status
finally:
    standin.stdin.close()
    standin.wait(timeout=20)
    service.shutdown()
print("stand-in server: library served, other requests fetched")
