#!/usr/bin/env python3
"""A web server that misbehaves on purpose, for the download tests.

Usage: hostile_server.py MODE [BODY_FILE | FOLDER]
Listens on a free loopback port, prints that port on one line, then answers every request
(whatever its path) in the way MODE names, until it is killed. With a FOLDER, the body is the
file of that folder named by the request path's last part, and a list ("lista.txt") is always
answered whole, so that only the files it names meet MODE:

  whole       200, Content-Length, the whole body, clean close (the good case)
  nolength    200, no Content-Length, the whole body, clean close
  cut-close   200, no Content-Length, the first half of the body, clean close
  cut-reset   200, no Content-Length, the first half of the body, then a reset
  chunked     200, chunked, the whole body in two chunks and the last chunk, clean close
  chunked-cut 200, chunked, the first half of the body in one chunk, clean close
  short       200, Content-Length of the whole body, the first half of it, clean close
  trickle     200, Content-Length of the whole body, one byte every 50 ms
  hang        200, Content-Length 1000, no body, the connection held open
  huge-length 200, Content-Length 1 GiB, zeros sent as fast as the client takes them
  huge-stream 200, no Content-Length, zeros sent as fast as the client takes them
  garbage     random bytes in place of an answer, then a clean close
The lying lengths send the body's first lines up to its middle (HEAD), which read as a
smaller whole:
  length-word      200, Content-Length: abc, HEAD, clean close
  length-negative  200, Content-Length: -1, HEAD, clean close
  length-split     200, Content-Length: 99999 9, HEAD, clean close
  length-twice     200, two Content-Length headers, HEAD's first, the whole body, clean close
  length-list      200, Content-Length: HEAD, WHOLE in one header, the whole body, clean close
"""

import os
import socket
import struct
import sys
import threading
import time

GiB = 1 << 30


def read_request(conn):
    data = b""
    while b"\r\n\r\n" not in data and len(data) < 65536:
        chunk = conn.recv(4096)
        if not chunk:
            break
        data += chunk
    return data


def requested_name(request):
    """The last part of the request's path, without its query."""
    parts = request.split(b"\r\n", 1)[0].split(b" ")
    path = parts[1] if len(parts) > 1 else b"/"
    return os.path.basename(path.split(b"?", 1)[0].decode("latin-1"))


def header(length=None, chunked=False, lengths=()):
    lines = ["HTTP/1.1 200 OK", "Content-Type: text/plain", "Connection: close"]
    if length is not None:
        lines.append("Content-Length: %d" % length)
    for text in lengths:
        lines.append("Content-Length: " + text)
    if chunked:
        lines.append("Transfer-Encoding: chunked")
    return ("\r\n".join(lines) + "\r\n\r\n").encode()


def chunk(data):
    return b"%x\r\n" % len(data) + data + b"\r\n"


def send_zeros(conn, count):
    block = bytes(1 << 16)
    sent = 0
    while count is None or sent < count:
        n = len(block) if count is None else min(len(block), count - sent)
        conn.sendall(block[:n])
        sent += n


def reset(conn):
    # SO_LINGER with a zero time-out turns close() into a reset.
    conn.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))


def answer(conn, mode, source):
    request = read_request(conn)
    body = source
    if isinstance(source, str):
        name = requested_name(request)
        path = os.path.join(source, name)
        body = open(path, "rb").read() if name and os.path.isfile(path) else b""
        if name == "lista.txt":
            mode = "whole"
    half = body[: len(body) // 2]
    head = body[: body.rfind(b"\n", 0, len(half)) + 1] or half
    if mode == "whole":
        conn.sendall(header(len(body)) + body)
    elif mode == "nolength":
        conn.sendall(header() + body)
    elif mode == "cut-close":
        conn.sendall(header() + half)
    elif mode == "cut-reset":
        conn.sendall(header() + half)
        time.sleep(0.2)
        reset(conn)
    elif mode == "chunked":
        rest = body[len(half):]
        conn.sendall(header(chunked=True) + chunk(half) + chunk(rest) + b"0\r\n\r\n")
    elif mode == "chunked-cut":
        conn.sendall(header(chunked=True) + chunk(half))
    elif mode == "short":
        conn.sendall(header(len(body)) + half)
    elif mode == "trickle":
        conn.sendall(header(len(body)))
        for b in body:
            conn.sendall(bytes([b]))
            time.sleep(0.05)
    elif mode == "hang":
        conn.sendall(header(1000))
        time.sleep(3600)
    elif mode == "huge-length":
        conn.sendall(header(GiB))
        send_zeros(conn, GiB)
    elif mode == "huge-stream":
        conn.sendall(header())
        send_zeros(conn, None)
    elif mode == "length-word":
        conn.sendall(header(lengths=["abc"]) + head)
    elif mode == "length-negative":
        conn.sendall(header(lengths=["-1"]) + head)
    elif mode == "length-split":
        conn.sendall(header(lengths=["99999 9"]) + head)
    elif mode == "length-twice":
        conn.sendall(header(lengths=[str(len(head)), str(len(body))]) + body)
    elif mode == "length-list":
        conn.sendall(header(lengths=["%d, %d" % (len(head), len(body))]) + body)
    elif mode == "garbage":
        conn.sendall(os.urandom(4096))


def serve(conn, mode, body):
    try:
        answer(conn, mode, body)
    except OSError:
        pass  # the client gave up: that is what most modes are for
    finally:
        conn.close()


def main():
    mode = sys.argv[1]
    body = b"1.2.3\r\n"
    if len(sys.argv) > 2:
        body = sys.argv[2] if os.path.isdir(sys.argv[2]) else open(sys.argv[2], "rb").read()
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    print(listener.getsockname()[1], flush=True)
    while True:
        conn, _ = listener.accept()
        threading.Thread(target=serve, args=(conn, mode, body), daemon=True).start()


if __name__ == "__main__":
    main()
